// Text stays legible: fixed colours keep 4.5:1 on a light and on a dark palette, and captions keep
// their whole text at a large font (144 dpi, set before the application starts).
#include "app/about.h"
#include "fakelink.h"
#include "shows/f_cue.h"
#include "ui/legibility.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSpinBox>
#include <QtTest>

using namespace zentri;

class TestLegibility : public QObject {
    Q_OBJECT
private slots:
    void contrastFormula_data();
    void contrastFormula();
    void fixedColoursStayLegible_data();
    void fixedColoursStayLegible();
    void inkOnFixedColours_data();
    void inkOnFixedColours();
    void captionsFitAtALargeFont_data();
    void captionsFitAtALargeFont();
    void channelValuesFitAtALargeFont_data();
    void channelValuesFitAtALargeFont();
};

void TestLegibility::contrastFormula_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(255, 255, 255) << 21.0;
    QTest::newRow("same colour") << QColor(90, 10, 200) << QColor(90, 10, 200) << 1.0;
    QTest::newRow("green on white") << QColor(0, 128, 0) << QColor(255, 255, 255) << 5.14;
    QTest::newRow("red on black") << QColor(255, 0, 0) << QColor(0, 0, 0) << 5.25;
    QTest::newRow("red on white") << QColor(255, 0, 0) << QColor(255, 255, 255) << 4.0;
}

void TestLegibility::contrastFormula() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ui::contrastRatio(a, b) - ratio) < 0.01,
             qPrintable(QString::number(ui::contrastRatio(a, b))));
    QVERIFY(qAbs(ui::contrastRatio(b, a) - ratio) < 0.01);
}

void TestLegibility::fixedColoursStayLegible_data() {
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    const QColor light(239, 239, 239), dark(53, 53, 53), black(0, 0, 0), white(255, 255, 255);
    const QColor green(0, 128, 0), red(255, 0, 0);
    QTest::newRow("SD CARD OK, light palette") << light << green;
    QTest::newRow("SD CARD OK, dark palette") << dark << green;
    QTest::newRow("NO SD CARD, light palette") << light << red;
    QTest::newRow("NO SD CARD, dark palette") << dark << red;
    QTest::newRow("green, white window") << white << green;
    QTest::newRow("red, black window") << black << red;
}

void TestLegibility::fixedColoursStayLegible() {
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, window);
    parent.setPalette(pal);
    QLabel label(QStringLiteral("SD CARD OK"), &parent);
    ui::setLegibleColors(&label, text);
    const QColor shownText = label.palette().color(QPalette::WindowText);
    const QColor ground = label.autoFillBackground() ? label.palette().color(QPalette::Window) : window;
    QCOMPARE(shownText, text); // the fixed colour is kept
    QVERIFY2(ui::contrastRatio(shownText, ground) >= 4.5,
             qPrintable(QStringLiteral("%1 on %2: %3")
                            .arg(text.name(), ground.name())
                            .arg(ui::contrastRatio(shownText, ground))));
}

void TestLegibility::inkOnFixedColours_data() {
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("shown");
    const QColor black(0, 0, 0), white(255, 255, 255), lightInk(240, 240, 240), highlight(255, 255, 213);
    QTest::newRow("highlighted row, light palette: its own ink") << black << highlight << black;
    QTest::newRow("highlighted row, dark palette: black") << lightInk << highlight << black;
    QTest::newRow("blue object, dark palette: its own ink") << lightInk << QColor(0, 0, 255) << lightInk;
    QTest::newRow("blue object, light palette: white") << black << QColor(0, 0, 255) << white;
}

void TestLegibility::inkOnFixedColours() {
    QFETCH(QColor, ink);
    QFETCH(QColor, background);
    QFETCH(QColor, shown);
    QCOMPARE(ui::legibleInk(ink, background), shown);
}

void TestLegibility::captionsFitAtALargeFont_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("About, version") << QStringLiteral("Label1");
    QTest::newRow("About, web address") << QStringLiteral("Label2");
    QTest::newRow("About, Close") << QStringLiteral("btClose");
}

void TestLegibility::captionsFitAtALargeFont() {
    QFETCH(QString, name);
    QCOMPARE(qApp->primaryScreen()->logicalDotsPerInchY(), 144.0);
    TfAbout about;
    auto *w = about.findChild<QWidget *>(name);
    QVERIFY(w);
    QVERIFY2(w->sizeHint().width() <= w->width() && w->sizeHint().height() <= w->height(),
             qPrintable(QStringLiteral("%1x%2 in %3x%4")
                            .arg(w->sizeHint().width())
                            .arg(w->sizeHint().height())
                            .arg(w->width())
                            .arg(w->height())));
    QVERIFY(w->geometry().right() < about.width() && w->geometry().bottom() < about.height());
}

void TestLegibility::channelValuesFitAtALargeFont_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("value");
    QTest::newRow("first channel, widest value") << 1 << 255;
    QTest::newRow("last channel, widest value") << 512 << 255;
    QTest::newRow("last of the first line") << 32 << 188;
    QTest::newRow("first of the last line") << 481 << 200;
}

// Every channel editor of the cue editor shows its value whole, inside its group and window.
void TestLegibility::channelValuesFitAtALargeFont() {
    QFETCH(int, channel);
    QFETCH(int, value);
    FakeLink link;
    zentri::TfCue cue(&link);
    QSpinBox *editor = cue.channelEditor(channel);
    editor->setValue(value);
    const QLineEdit *line = editor->findChild<QLineEdit *>();
    QVERIFY(line);
    const int needed = line->fontMetrics().horizontalAdvance(QString::number(value)) + 3;
    QVERIFY2(line->width() >= needed && line->height() >= line->fontMetrics().height() + 2,
             qPrintable(QStringLiteral("%1 needs %2 pixels, has %3x%4")
                            .arg(value)
                            .arg(needed)
                            .arg(line->width())
                            .arg(line->height())));
    const QRect inGroup = editor->geometry();
    QVERIFY(editor->parentWidget()->rect().contains(inGroup));
    QVERIFY(cue.rect().contains(editor->parentWidget()->geometry()));
}

int main(int argc, char **argv) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "144");
    QApplication app(argc, argv);
    TestLegibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_legibility.moc"
