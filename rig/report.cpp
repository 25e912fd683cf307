#include "report.h"

#include "device/files.h"
#include "device/protocol.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>

namespace zentri::rig {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::Report)
};
} // namespace

namespace {

const char kTable[] = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">";

// A row of escaped cells; header cells in a <thead>, so that a table across pages repeats them.
QString rowHtml(const QStringList &cells, bool header = false) {
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    QString html = QStringLiteral("<tr>");
    for (const QString &c : cells)
        html += QStringLiteral("<%1>%2</%1>").arg(tag, c.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    return header ? QStringLiteral("<thead>%1</thead>").arg(html) : html;
}

// The PDF of `html`: A4 with margins of 2 cm, the page number at the foot of each page.
QByteArray pdfOf(const QString &html, const QString &title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Zentri manager"));
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setUseDesignMetrics(true);
    doc.setHtml(html);
    QTextFrameFormat root = doc.rootFrame()->frameFormat();
    root.setMargin(0);
    doc.rootFrame()->setFrameFormat(root);
    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    doc.setPageSize(page.size());
    const int pages = doc.pageCount();
    QPainter painter(&writer);
    const QFontMetricsF metrics(doc.defaultFont(), &writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        doc.drawContents(&painter, page.translated(0, i * page.height()));
        painter.restore();
        const QString number = QString::number(i + 1);
        painter.drawText(QPointF(page.width() - metrics.horizontalAdvance(number),
                                 page.height() + metrics.ascent() + metrics.height()),
                         number);
    }
    painter.end();
    return buffer.data();
}

} // namespace

QVector<recUrzadzenia> recordsOf(const ReportInput &in) {
    QVector<recUrzadzenia> records;
    records.reserve(in.devices.size());
    for (const ReportDevice &d : in.devices)
        records << d.record;
    return records;
}

QString reportHtml(const ReportInput &in, const Patch &patch) {
    const int errors = int(std::count_if(patch.conflicts.begin(), patch.conflicts.end(),
                                         [](const Conflict &c) { return c.level == Conflict::Error; }));
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
                                  "</head><body>\n<h1>%1</h1>\n<p>%2</p>\n<p>%3</p>\n")
                       .arg(in.title.toHtmlEscaped(),
                            Words::tr("Written %1").arg(in.when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
                            Words::tr("Devices: %1. Uses: %2. Errors: %3. Warnings: %4.")
                                .arg(in.devices.size())
                                .arg(patch.uses.size())
                                .arg(errors)
                                .arg(patch.conflicts.size() - errors));

    html += QStringLiteral("<h2>%1</h2>\n").arg(Words::tr("Devices")) + QLatin1String(kTable);
    html += rowHtml({Words::tr("Name"), Words::tr("IP"), Words::tr("MAC"), Words::tr("Firmware"),
                     Words::tr("Module"), Words::tr("SD card"), Words::tr("State"), Words::tr("Input")},
                    true);
    for (const ReportDevice &d : in.devices) {
        const recUrzadzenia &r = d.record;
        html +=
            rowHtml({r.Nazwa, r.IP, r.MAC, r.FWVer, wire::moduleVersionName(r.ZentriVersion),
                     sdCardText(d.sdCard), d.state ? stateText(*d.state) : Words::tr("found"), inputText(r)});
    }
    html += QStringLiteral("</table>\n");

    // The conflicts as paragraphs rather than a table: their reasons are sentences, read (and read back
    // from the PDF) whole.
    html += QStringLiteral("<h2>%1</h2>\n").arg(Words::tr("Conflicts"));
    if (patch.conflicts.isEmpty())
        html += QStringLiteral("<p>%1</p>\n").arg(Words::tr("None: every use is sound."));
    else
        html += QStringLiteral("<ul>\n");
    for (const Conflict &c : patch.conflicts) {
        QStringList devices;
        for (int d : c.devices)
            devices << deviceText(in.devices[d].record);
        html += QStringLiteral("<li><b%1>%2</b>: %3")
                    .arg(c.level == Conflict::Error ? QStringLiteral(" style=\"color:#b00020\"") : QString(),
                         c.levelText().toHtmlEscaped(), c.reason.toHtmlEscaped());
        if (!devices.isEmpty())
            html += QStringLiteral("<br>%1").arg(
                Words::tr("Devices: %1").arg(devices.join(QStringLiteral(", "))).toHtmlEscaped());
        if (!c.elements.isEmpty())
            html += QStringLiteral("<br>%1").arg(
                Words::tr("Elements: %1").arg(c.elements.join(QStringLiteral(", "))).toHtmlEscaped());
        html += QStringLiteral("</li>\n");
    }
    if (!patch.conflicts.isEmpty())
        html += QStringLiteral("</ul>\n");

    // Each device's patch: the uses are in channel order already, so each device's stay in that order.
    QVector<QVector<const Use *>> byDevice(in.devices.size());
    for (const Use &u : patch.uses)
        byDevice[u.device] << &u;
    html += QStringLiteral("<h2>%1</h2>\n").arg(Words::tr("Patch"));
    for (int d = 0; d < in.devices.size(); ++d) {
        html += QStringLiteral("<h3>%1</h3>\n").arg(deviceText(in.devices[d].record).toHtmlEscaped());
        html += QLatin1String(kTable) +
                rowHtml({Words::tr("NET"), Words::tr("Universe"), Words::tr("Channel"), Words::tr("Element")},
                        true);
        for (const Use *u : byDevice[d])
            html += rowHtml(
                {QString::number(u->net), QString::number(u->universe), u->channelText(), u->elementText()});
        html += QStringLiteral("</table>\n");
    }
    html += QStringLiteral("</body></html>\n");
    return html;
}

bool writeReport(const ReportInput &in, const QString &base, QStringList *written, QString *error) {
    if (written)
        written->clear();
    const QStringList paths{base + QStringLiteral(".pdf"), base + QStringLiteral(".html"),
                            base + QStringLiteral(".csv")};
    for (const QString &path : paths)
        if (!files::mayWrite(path, false, error))
            return false;
    const QVector<recUrzadzenia> records = recordsOf(in);
    const Patch patch = patchOf(records, in.interfaces);
    const QString html = reportHtml(in, patch);
    const QByteArray data[] = {pdfOf(html, in.title), html.toUtf8(), patchCsv(records, patch)};
    QStringList done, created;
    for (int i = 0; i < paths.size(); ++i) {
        const bool existed = QFileInfo::exists(paths[i]);
        if (!files::writeAtomically(paths[i], data[i], false, error)) {
            // A report that was there before stays replaced (its file was written whole); a new file of
            // this half-written report goes again.
            for (const QString &path : created)
                QFile::remove(path);
            return false;
        }
        done << paths[i];
        if (!existed)
            created << paths[i];
    }
    if (written)
        *written = done;
    return true;
}

} // namespace zentri::rig
