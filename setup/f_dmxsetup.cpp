#include "f_dmxsetup.h"
#include "setupkit.h"

#include "ui/lists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace zentri {

namespace {

// A check box whose caption is wrapped over two lines; text() stays the whole caption.
class TwoLineCheckBox : public QCheckBox {
public:
    TwoLineCheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent) {}

    QSize sizeHint() const override {
        const QRect text = textBounds();
        const int height =
            qMax(text.height(), style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this));
        return {indicatorWidth() + labelSpacing() + text.width() + 4, height + 4};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        QStyleOptionButton indicator = option;
        indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        p.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

        QRect area = rect();
        area.setLeft(indicator.rect.right() + 1 + labelSpacing());
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        p.drawItemText(area, flags, option.palette, isEnabled(), text(), QPalette::WindowText);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect =
                style()->itemTextRect(fontMetrics(), area, flags, isEnabled(), text()).adjusted(-2, -1, 2, 1);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    int indicatorWidth() const { return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this); }
    int labelSpacing() const { return style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this); }
    // A little over half the one-line width: the caption breaks into two lines.
    QRect textBounds() const {
        const int width = fontMetrics().horizontalAdvance(text()) * 11 / 20 + 1;
        return fontMetrics().boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, text());
    }
};

QComboBox *makeSizedList(QWidget *parent, const QString &name, const QString &accessibleName) {
    return setup::makeSizedList(parent, name, ui::byteList(), 4, accessibleName);
}

} // namespace

TfDMXSetup::TfDMXSetup(DeviceLink *link)
    : setup::ConfigWindow(link, QStringLiteral("fDMXSetup"), tr("Zentri DMX setup")) {
    FormCreate();
}

void TfDMXSetup::FormCreate() {
    auto *GroupBox1 = new QGroupBox(tr("DMX Output"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *patch = new QGridLayout(GroupBox1);
    patch->setHorizontalSpacing(12);
    patch->setVerticalSpacing(4);
    setup::addHeader(GroupBox1, patch, "Label17", tr("NET"), 0);
    setup::addHeader(GroupBox1, patch, "Label18", tr("Universe"), 1);
    cbxNET = makeSizedList(GroupBox1, QStringLiteral("cbxNET"), tr("DMX output NET"));
    cbxUniverse = makeSizedList(GroupBox1, QStringLiteral("cbxUniverse"), tr("DMX output Universe"));
    patch->addWidget(cbxNET, 1, 0);
    patch->addWidget(cbxUniverse, 1, 1);

    auto *GroupBox2 = new QGroupBox(tr("Options"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    cbBlackout = new TwoLineCheckBox(tr("blackout when there is no input signal"), GroupBox2);
    cbBlackout->setObjectName(QStringLiteral("cbBlackout"));
    (new QVBoxLayout(GroupBox2))->addWidget(cbBlackout, 0, Qt::AlignVCenter);

    auto *groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(GroupBox1);
    groups->addWidget(GroupBox2);

    layOut({groups});
}

void TfDMXSetup::load(const recUrzadzenia &rec) {
    ui::selectPosition(cbxNET, rec.dmx.Output_NET);
    ui::selectPosition(cbxUniverse, rec.dmx.Output_Universe);
    cbBlackout->setChecked(rec.blackoutAtEndOfTheShow);
}

void TfDMXSetup::store(recUrzadzenia &rec) const {
    rec.dmx.Output_NET = cbxNET->currentIndex();
    rec.dmx.Output_Universe = cbxUniverse->currentIndex();
    rec.blackoutAtEndOfTheShow = cbBlackout->isChecked();
}

} // namespace zentri
