// What the four configuration windows share: the buttons under their controls and the closing of
// "Save & Close" once the device has gone from the device array.
#include "device/protocol.h"
#include "fakelink.h"
#include "records.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "testkit.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace zentri;

namespace {

enum Window { Output, Input, Audio, Dmx };

std::unique_ptr<QDialog> makeWindow(Window which, DeviceLink *link) {
    switch (which) {
    case Output:
        return std::make_unique<TfSetupOutput>(link);
    case Input:
        return std::make_unique<TfSetupInput>(link);
    case Audio:
        return std::make_unique<TfSetupAudio>(link);
    case Dmx:
        break;
    }
    return std::make_unique<TfDMXSetup>(link);
}

// The controls that take the focus with Tab, in the order Tab visits them.
QStringList tabOrder(QWidget &window) {
    QStringList names;
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        if (w->isVisibleTo(&window) && (w->focusPolicy() & Qt::TabFocus))
            names << w->objectName();
    return names;
}

} // namespace

class TestConfigWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void buttons_data();
    void buttons();
    void savingForADroppedDevice_data();
    void savingForADroppedDevice();
};

void TestConfigWindows::initTestCase() {
    REQUIRE_FREE_PORTS({wire::kAudioPort});
}

void TestConfigWindows::buttons_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("closeName");
    QTest::addColumn<QString>("firstList");
    QTest::newRow("outputs") << int(Output) << "Button2"
                             << "cbxNET01";
    QTest::newRow("triggers") << int(Input) << "Button10"
                              << "cbxIPA";
    QTest::newRow("audio player") << int(Audio) << "Button2"
                                  << "cbxNET";
    QTest::newRow("DMX output") << int(Dmx) << "Button2"
                                << "cbxNET";
}

// Tab reaches the two buttons after every other control, and Enter in a list neither saves nor closes.
void TestConfigWindows::buttons() {
    QFETCH(int, window);
    QFETCH(QString, closeName);
    QFETCH(QString, firstList);
    MessageCatcher messages;
    FakeLink link;
    link.records[0] = records::everyWindow();
    const std::unique_ptr<QDialog> w = makeWindow(Window(window), &link);
    w->show();

    const QStringList order = tabOrder(*w);
    QVERIFY(order.size() > 2);
    QCOMPARE(order.mid(order.size() - 2), (QStringList{QStringLiteral("btSaveClose"), closeName}));
    QCOMPARE(child<QPushButton>(*w, "btSaveClose")->text(), QStringLiteral("Save && Close"));
    QCOMPARE(child<QPushButton>(*w, closeName)->text(), QStringLiteral("Close"));

    auto *list = child<QComboBox>(*w, firstList);
    const int position = list->currentIndex();
    list->setCurrentIndex(position + 1);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter);
    QVERIFY(w->isVisible());
    QCOMPARE(link.records[0], records::everyWindow());
    w->reject();
    QVERIFY(messages.texts.isEmpty());
}

void TestConfigWindows::savingForADroppedDevice_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("function"); // the first trigger's function, in the trigger window
    QTest::addColumn<QStringList>("told"); // the message boxes shown
    QTest::newRow("outputs") << int(Output) << QString() << QStringList();
    QTest::newRow("triggers") << int(Input) << QString() << QStringList();
    QTest::newRow("triggers, a show the device refuses")
        << int(Input) << "Show 6" << QStringList{TfSetupInput::unavailableShowMessage()};
    QTest::newRow("audio player") << int(Audio) << QString() << QStringList();
    QTest::newRow("DMX output") << int(Dmx) << QString() << QStringList();
}

// A discovery while the window is open drops the device it was shown for: "Save & Close" stores
// nothing (not into the device now at that index either) and closes with Cancel, so nothing is sent.
void TestConfigWindows::savingForADroppedDevice() {
    QFETCH(int, window);
    QFETCH(QString, function);
    QFETCH(QStringList, told);
    MessageCatcher messages;
    FakeLink link;
    link.records[0] = records::everyWindow();
    const std::unique_ptr<QDialog> w = makeWindow(Window(window), &link);
    w->show();
    if (!function.isEmpty())
        child<QComboBox>(*w, "cbxFunction01")->setCurrentText(function);
    link.sent.clear();

    ++link.discovery;
    child<QPushButton>(*w, "btSaveClose")->click();
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), int(ResultCancel));
    QCOMPARE(link.records[0], records::everyWindow());
    QCOMPARE(messages.texts, told);
}

QTEST_MAIN(TestConfigWindows)
#include "tst_configwindows.moc"
