// The rig window against scripted devices on loopback addresses: the states it lists, the "!SETI"
// packets it sends and how it confirms them, replacing, taking, capturing, watching, and the main
// window it leaves behind.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "app/patchwindow.h"
#include "app/rigwindow.h"
#include "device/configfile.h"
#include "fakedevice.h"
#include "rig/rigfile.h"
#include "testkit.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zentri;

namespace {

QString mac(int k) {
    return QStringLiteral("02:5A:45:00:00:%1").arg(k, 2, 16, QLatin1Char('0')).toUpper();
}

// Device k's own configuration, as a rig entry of it would hold it.
recUrzadzenia device(int k) {
    recUrzadzenia r;
    r.Nazwa = QStringLiteral("Box %1").arg(k);
    r.MAC = mac(k);
    r.FWVer = QStringLiteral("1.12");
    r.ZentriVersion = kModulePremium;
    r.MasterVolume = 100 + k;
    for (int i = 0; i < 8; ++i)
        r.Output[i] = {0, 1, 10 * k + i + 1, 0, false};
    return r;
}

// Answers the program's message boxes while it lives: Yes to the questions named in `yes`, No to the
// other questions, OK to the messages; keeps each box's name and text.
class Answers : public QObject {
public:
    explicit Answers(QStringList yes = {}) : yes_(std::move(yes)) { timer_.start(5, this); }
    QStringList names, texts;
    QString text(const QString &name) const { return texts.value(names.lastIndexOf(name)); }

protected:
    void timerEvent(QTimerEvent *) override {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        names << box->objectName();
        texts << box->text();
        if (box->button(QMessageBox::Yes))
            box->button(yes_.contains(box->objectName()) ? QMessageBox::Yes : QMessageBox::No)->click();
        else
            box->accept();
    }

private:
    QStringList yes_;
    QBasicTimer timer_;
};

} // namespace

class TestRigWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const QString held = heldPort({wire::kMainPort});
        if (!held.isEmpty())
            QFAIL(qPrintable(held));
    }
    void init();
    void cleanup();
    void rigMenuAndWindow();
    void everyStateListedColouredAndSpoken();
    void send_data();
    void send();
    void sendUnconfirmedIsReported();
    void readdress_data();
    void readdress();
    void readdressSendsNothingWhenADeviceChangedMeanwhile();
    void patchWindowListsWhatThePictureShows();
    void replaceGivesTheEntryToTheNewDevice();
    void takeChangesTheRigNotTheFile();
    void captureMakesARigOfEveryDeviceThatAnswered();
    void watchingReportsEvents();
    void mainWindowAfterClosingIsAsAfterADiscovery();

private:
    RigWindow *rigWindow() { return windows->fRig.get(); }
    void openRig(const QVector<recUrzadzenia> &entries, const QStringList &addresses = {});
    // Fake k answers a discovery with `rec` (its MAC is rec's).
    void answer(int k, const recUrzadzenia &rec);
    // Shows the rig window; its discovery reaches fake 0, and the fakes in `answering` answer it.
    void showAndAnswer(const QVector<std::pair<int, recUrzadzenia>> &answering);
    QStringList stateColumn();
    QString stateOf(const QString &mac);
    QPushButton *button(const char *name) { return child<QPushButton>(*rigWindow(), name); }
    void checkPatchWindow(PatchWindow &w);
    // What fake k received, kept until a test takes it: waiting for one kind of datagram leaves the
    // others for a later wait.
    QByteArray waitFor(int k, const char *word, int ms = 5000);
    void forget() {
        for (size_t k = 0; k < fakes.size(); ++k) {
            fakes[k]->take();
            inbox[k].clear();
        }
    }

    std::unique_ptr<Windows> windows;
    std::vector<std::unique_ptr<FakeDevice>> fakes;
    QTemporaryDir dir;
    QString rigPath;
    QVector<QByteArray> inbox[4];
};

QByteArray TestRigWindow::waitFor(int k, const char *word, int ms) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        inbox[k] << fakes[k]->take();
        for (int i = 0; i < inbox[k].size(); ++i)
            if (inbox[k][i].startsWith(word))
                return inbox[k].takeAt(i);
        if (clock.elapsed() >= ms)
            return {};
        QTest::qWait(5);
    }
}

void TestRigWindow::init() {
    windows = std::make_unique<Windows>();
    windows->MainForm->setDiscoveryAddress(QHostAddress(QStringLiteral("127.0.0.1")));
    windows->MainForm->show();
    for (int i = 0; i < 4; ++i)
        fakes.push_back(std::make_unique<FakeDevice>(QStringLiteral("127.0.0.%1").arg(i + 1)));
    child<QSpinBox>(*rigWindow(), "seInterval")->setValue(1);
}

void TestRigWindow::cleanup() {
    windows.reset();
    fakes.clear();
    for (auto &i : inbox)
        i.clear();
}

void TestRigWindow::openRig(const QVector<recUrzadzenia> &entries, const QStringList &addresses) {
    rig::Rig r;
    r.name = QStringLiteral("Hall");
    r.devices = entries;
    r.addresses = addresses;
    rigPath = dir.filePath(QStringLiteral("hall.json"));
    QFile f(rigPath);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(rig::write(r));
    f.close();
    QString error;
    QVERIFY2(rigWindow()->open(rigPath, &error), qPrintable(error));
    QVERIFY(!rigWindow()->isModified());
}

void TestRigWindow::answer(int k, const recUrzadzenia &rec) {
    fakes[k]->reply(wire::infoReply(rec, 1, 1, 12, QByteArray::fromHex(rec.MAC.toLatin1().replace(':', ""))));
}

void TestRigWindow::showAndAnswer(const QVector<std::pair<int, recUrzadzenia>> &answering) {
    forget();
    if (rigWindow()->isVisible())
        button("btFindDevices")->click();
    else
        rigWindow()->show();
    QVERIFY(!waitFor(0, "QGETI").isEmpty());
    for (const auto &[k, rec] : answering)
        answer(k, rec);
    QTRY_COMPARE(windows->MainForm->devices().size(), answering.size());
    QTRY_VERIFY(!rigWindow()->rows().isEmpty() &&
                std::none_of(rigWindow()->rows().begin(), rigWindow()->rows().end(), [&](const rig::Row &r) {
                    return r.state == rig::State::Missing &&
                           std::any_of(answering.begin(), answering.end(),
                                       [&](const auto &a) { return a.second.MAC == r.mac; });
                }));
    QTest::qWait(100); // the table follows the replies
}

QStringList TestRigWindow::stateColumn() {
    auto *grid = child<QTableView>(*rigWindow(), "grid");
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, 0).data().toString() + QLatin1Char(' ') +
                   grid->model()->index(r, 2).data().toString();
    return out;
}

QString TestRigWindow::stateOf(const QString &m) {
    for (const rig::Row &r : rigWindow()->rows())
        if (r.mac == m)
            return rig::stateText(r.state);
    return {};
}

void TestRigWindow::rigMenuAndWindow() {
    QMenu *menu = windows->MainForm->menuBar()->findChild<QMenu *>(QStringLiteral("Rig1"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&Rig")); // Alt+R opens it
    QStringList captions;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            captions << a->text();
    QCOMPARE(captions, (QStringList{"New rig from devices found", "Open rig...", "Save rig", "Save rig as...",
                                    "Show rig...", "Show patch..."}));
    QCOMPARE(rigWindow()->windowTitle(), QStringLiteral("Zentri rig"));
    QVERIFY(rigWindow()->isModal());
    QVERIFY(rigWindow()->isSizeGripEnabled());
    auto *grid = child<QTableView>(*rigWindow(), "grid");
    QStringList titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles << grid->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"State", "Device", "MAC", "IP", "Firmware", "Module version", "SD card",
                                  "Last seen", "Differences"}));
    QVERIFY(grid->isSortingEnabled());
    for (const char *b : {"btFindDevices", "btSend", "btTake", "btReplace", "btCapture", "btShowPatch",
                          "btReaddress", "btExportReport"})
        QVERIFY2(child<QPushButton>(*rigWindow(), b), b);
    QCOMPARE(child<QCheckBox>(*rigWindow(), "cbWatch")->text(), QStringLiteral("Watch every"));
    auto *spin = child<QSpinBox>(*rigWindow(), "seInterval");
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 60);
    QVERIFY(!spin->accessibleName().isEmpty());
    QVERIFY(!child<QListWidget>(*rigWindow(), "lbEvents")->accessibleName().isEmpty());
    QCOMPARE(Windows().fRig->findChild<QSpinBox *>(QStringLiteral("seInterval"))->value(), 3);
}

void TestRigWindow::everyStateListedColouredAndSpoken() {
    recUrzadzenia differs = device(2);
    differs.Output[3].Channel = 301;
    // 1 in sync, 2 differs, 3 missing, 4 answers twice from two addresses, 5 is not in the rig.
    openRig({device(1), device(2), device(3), device(4)}, {QStringLiteral("127.0.0.4")});
    rigWindow()->show();
    QVERIFY(!waitFor(0, "QGETI").isEmpty());
    QVERIFY(!waitFor(3, "QGETI").isEmpty()); // the rig's extra address, asked by itself
    answer(0, device(1));
    answer(1, differs);
    answer(2, device(4));
    answer(3, device(4));
    answer(3, device(5));
    QTRY_COMPARE(windows->MainForm->devices().size(), 5);
    QTRY_COMPARE(stateColumn(), (QStringList{"in sync " + mac(1), "differs " + mac(2), "missing " + mac(3),
                                             "duplicate " + mac(4), "not in rig " + mac(5)}));
    auto *grid = child<QTableView>(*rigWindow(), "grid");
    QAbstractItemModel *m = grid->model();
    QSet<QRgb> colours;
    for (int r = 0; r < 5; ++r) {
        colours.insert(m->index(r, 0).data(Qt::BackgroundRole).value<QBrush>().color().rgb());
        // Every cell a screen reader reads also says the state.
        QVERIFY(m->index(r, 1)
                    .data(Qt::AccessibleTextRole)
                    .toString()
                    .endsWith(m->index(r, 0).data().toString()));
    }
    QCOMPARE(colours.size(), 5);
    QCOMPARE(m->index(1, 8).data().toString(), QStringLiteral("Output 4 channel: rig 24, device 301"));
    QVERIFY(m->index(3, 8).data().toString().contains(QStringLiteral("two or more devices with one MAC")));
    // Sorting by state, then back by MAC.
    grid->sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("duplicate"));
    grid->sortByColumn(2, Qt::AscendingOrder);
    QCOMPARE(m->index(4, 2).data().toString(), mac(5));
}

// Sending: which devices get "!SETI", byte for byte. The rig holds the devices 1 to 3; device 2 differs
// in an output channel, device 3 in the master volume and has a Standard module.
void TestRigWindow::send_data() {
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QList<int>>("sentTo");
    QTest::addColumn<QString>("asked");
    QTest::newRow("nothing selected: those that differ")
        << QStringList{} << QList<int>{1, 2} << "to 2 device(s)";
    QTest::newRow("one chosen") << QStringList{mac(3)} << QList<int>{2} << "to 1 device(s)";
    QTest::newRow("one in sync chosen too") << QStringList{mac(1), mac(2)} << QList<int>{0, 1}
                                            << "Box 1 (" + mac(1) + ", 127.0.0.1): 0 setting(s) change";
    QTest::newRow("a missing one chosen") << QStringList{mac(4)} << QList<int>{} << "";
}

void TestRigWindow::send() {
    QFETCH(QStringList, selected);
    QFETCH(QList<int>, sentTo);
    QFETCH(QString, asked);
    recUrzadzenia d2 = device(2), d3 = device(3);
    d2.Output[5].Channel = 400;
    d3.MasterVolume = 7;
    d3.ZentriVersion = kModuleStandard;
    openRig({device(1), device(2), device(3), device(4)});
    showAndAnswer({{0, device(1)}, {1, d2}, {2, d3}});
    QCOMPARE(stateOf(mac(2)), QStringLiteral("differs"));
    forget();
    rigWindow()->selectMacs(selected);
    Answers answers({QStringLiteral("sendRigBox")});
    button("btSend")->click();
    if (sentTo.isEmpty()) {
        QTRY_VERIFY(!answers.names.isEmpty());
        QCOMPARE(answers.names, QStringList{"messageBox"});
        QVERIFY(answers.texts[0].contains(QStringLiteral("missing")));
        QTest::qWait(400);
        for (int k = 0; k < 4; ++k)
            QVERIFY(waitFor(k, "!SETI", 0).isEmpty());
        return;
    }
    QCOMPARE(answers.names.value(0), QStringLiteral("sendRigBox"));
    QVERIFY2(answers.texts[0].contains(asked), qPrintable(answers.texts[0]));
    // What "Save & Close" sends for a record of the rig's values and the device's own module version.
    const recUrzadzenia replied[] = {device(1), d2, d3};
    for (int k = 0; k < 3; ++k) {
        const QByteArray got = waitFor(k, "!SETI", sentTo.contains(k) ? 3000 : 300);
        if (!sentTo.contains(k)) {
            QVERIFY2(got.isEmpty(), qPrintable(QString::number(k)));
            continue;
        }
        recUrzadzenia expected = device(k + 1);
        expected.ZentriVersion = replied[k].ZentriVersion;
        QCOMPARE(got.size(), 138);
        QCOMPARE(got.toHex(), wire::configurationPacket(expected).toHex());
    }
    // The devices store what they got and report it at the next discovery, which confirms it.
    QVERIFY(!waitFor(0, "QGETI").isEmpty());
    for (int k = 0; k < 3; ++k) {
        recUrzadzenia now = replied[k];
        if (sentTo.contains(k))
            now = device(k + 1), now.ZentriVersion = replied[k].ZentriVersion;
        answer(k, now);
    }
    QTRY_VERIFY(answers.names.size() == 2);
    const QString report = answers.texts[1];
    QVERIFY2(report.startsWith(QStringLiteral("Confirmed by the device:")), qPrintable(report));
    QVERIFY2(!report.contains(QStringLiteral("Not confirmed")), qPrintable(report));
    for (int k : sentTo)
        QVERIFY(report.contains(mac(k + 1)));
}

void TestRigWindow::readdress_data() {
    QTest::addColumn<bool>("audio");
    QTest::addColumn<int>("channel");
    // What Box 1 and Box 3 are sent (in the table's order, whatever the order they were selected in):
    // the outputs' NET (bytes 37..44), universes (45..52) and channels (53..68), or the audio player's
    // NET, universe and six channels (82..97); or the refusal.
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("box3Confirms"); // else Box 3 reports its old settings again
    QTest::newRow("outputs from NET 2, universe 3, channel 101, 10 apart")
        << false << 101
        << QStringList{"0202020202020202"
                       "0303030303030303"
                       "00650066006700680069006a006b006c",
                       "0202020202020202"
                       "0303030303030303"
                       "006f0070007100720073007400750076"}
        << true;
    QTest::newRow("audio player from NET 2, universe 3, channel 200, 10 apart; Box 3 does not confirm")
        << true << 200 << QStringList{"0002000300c800c900ca00cb00cc00cd", "0002000300d200d300d400d500d600d7"}
        << false;
    QTest::newRow("Box 3 would pass channel 512")
        << false << 500 << QStringList{"Box 3 (" + mac(3) + ")"} << false;
}

void TestRigWindow::readdress() {
    QFETCH(bool, audio);
    QFETCH(int, channel);
    QFETCH(QStringList, sent);
    QFETCH(bool, box3Confirms);
    // Box 3's rig entry differs from the device: the entry takes the new addresses and nothing else.
    recUrzadzenia entry3 = device(3);
    entry3.MasterVolume = 7;
    openRig({device(1), device(2), entry3});
    showAndAnswer({{0, device(1)}, {1, device(2)}, {2, device(3)}});
    forget();
    rigWindow()->selectMacs({mac(3), mac(1)});
    QString changes;
    std::deque<ModalScript::Step> steps{
        {"ReaddressDialog", [&](QWidget *w) {
             child<QRadioButton>(*w, audio ? "rbAudio" : "rbOutputs")->click();
             child<QSpinBox>(*w, "seNet")->setValue(2);
             child<QSpinBox>(*w, "seUniverse")->setValue(3);
             child<QSpinBox>(*w, "seChannel")->setValue(channel);
             child<QSpinBox>(*w, "sePerDevice")->setValue(10);
             child<QPushButton>(*w, "btShowNewPatch")->click();
         }}};
    if (sent.size() == 2)
        steps.push_back({"PatchWindow", [&](QWidget *w) {
                             changes = child<QPlainTextEdit>(*w, "meChanges")->toPlainText();
                             child<QPushButton>(*w, "btSend")->click();
                         }});
    ModalScript script(steps);
    Answers answers;
    button("btReaddress")->click();
    QVERIFY(script.finished());
    if (sent.size() == 1) {
        QTRY_COMPARE(answers.names, QStringList{"messageBox"});
        QVERIFY2(answers.texts[0].contains(sent[0] + " would take channels 510 to 517"),
                 qPrintable(answers.texts[0]));
        QTest::qWait(300);
        for (int k = 0; k < 3; ++k)
            QVERIFY(waitFor(k, "!SETI", 0).isEmpty());
        return;
    }
    // The user saw each device's changes before anything was sent.
    QVERIFY2(changes.contains(QStringLiteral("Box 1 (%1, 127.0.0.1): ").arg(mac(1))), qPrintable(changes));
    QVERIFY2(changes.contains(audio ? "Audio player volume channel 0 -> 202" : "Output 1 channel 11 -> 101"),
             qPrintable(changes));
    const int at = audio ? 82 : 37;
    const int fakeOf[] = {0, 2};
    QByteArray received[3];
    for (int i = 0; i < 2; ++i) {
        const QByteArray got = received[fakeOf[i]] = waitFor(fakeOf[i], "!SETI");
        QCOMPARE(got.size(), 138);
        QCOMPARE(got.mid(at, sent[i].size() / 2).toHex(), sent[i].toLatin1());
        // Every other byte is what "Save & Close" sends for the device's record.
        QByteArray rest = got, before = wire::configurationPacket(device(fakeOf[i] + 1));
        rest.remove(at, sent[i].size() / 2);
        before.remove(at, sent[i].size() / 2);
        QCOMPARE(rest.toHex(), before.toHex());
    }
    QVERIFY(waitFor(1, "!SETI", 300).isEmpty());
    // The devices store what they got; the next discovery confirms it, and the rig takes it.
    QVERIFY(!waitFor(0, "QGETI").isEmpty());
    for (int k = 0; k < 3; ++k) {
        recUrzadzenia now = device(k + 1);
        if (!received[k].isEmpty() && (k != 2 || box3Confirms))
            QVERIFY(wire::applyConfigurationPacket(received[k], now));
        answer(k, now);
    }
    QTRY_COMPARE_WITH_TIMEOUT(answers.names, QStringList{"messageBox"}, 10000);
    const QString report = answers.texts[0];
    QVERIFY2(report.startsWith(QStringLiteral("Confirmed by the device:")), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("The rig's entries took the new addresses (Box 1")));
    QCOMPARE(report.contains(QStringLiteral("Not confirmed")), !box3Confirms);
    QCOMPARE(report.contains(QStringLiteral("The rig entry of Box 3 was not changed.")), !box3Confirms);
    QVERIFY(rigWindow()->isModified());
    const recUrzadzenia &box1 = rigWindow()->rig().devices[0], &box3 = rigWindow()->rig().devices[2];
    QCOMPARE(audio ? box1.dap.CatalogID_DMXch : box1.Output[0].Channel, audio ? 200 : 101);
    if (box3Confirms) {
        QCOMPARE(audio ? box3.dap.CatalogID_DMXch : box3.Output[0].Channel, audio ? 210 : 111);
        QCOMPARE(box3.MasterVolume, 7);
    } else {
        QCOMPARE(box3, entry3);
    }
    QCOMPARE(rigWindow()->rig().devices[1], device(2));
}

void TestRigWindow::readdressSendsNothingWhenADeviceChangedMeanwhile() {
    openRig({device(1), device(2)});
    showAndAnswer({{0, device(1)}, {1, device(2)}});
    forget();
    rigWindow()->selectMacs({mac(1), mac(2)});
    recUrzadzenia changed = device(2);
    changed.MasterVolume = 9;
    ModalScript script(
        {{"ReaddressDialog", [](QWidget *w) { child<QPushButton>(*w, "btShowNewPatch")->click(); }},
         {"PatchWindow", [&](QWidget *w) {
              // A discovery while the new patch is shown: Box 2 reports another setting.
              rigWindow()->findDevices();
              QVERIFY(!waitFor(0, "QGETI").isEmpty());
              answer(0, device(1));
              answer(1, changed);
              QTRY_COMPARE(stateOf(mac(2)), QStringLiteral("differs"));
              child<QPushButton>(*w, "btSend")->click();
          }}});
    Answers answers;
    button("btReaddress")->click();
    QVERIFY(script.finished());
    QTRY_COMPARE(answers.names, QStringList{"messageBox"});
    QVERIFY2(
        answers.texts[0].contains(QStringLiteral("changed while the new patch was shown; nothing was sent")),
        qPrintable(answers.texts[0]));
    for (int k = 0; k < 2; ++k)
        QVERIFY(waitFor(k, "!SETI", 300).isEmpty());
}

void TestRigWindow::patchWindowListsWhatThePictureShows() {
    // Box 1 and Box 2 on NET 0, universe 1; Box 2's audio player volume on its own output 2's channel,
    // Box 2's DMX output fed from universe 1 and Box 1's from universe 0.
    recUrzadzenia b1 = device(1), b2 = device(2);
    b1.dap = {0, 1, 200, 201, 202, 203, 204, 205, 0};
    b2.dap = {0, 1, 100, 101, 22, 103, 104, 105, 0};
    b2.dmx = {0, 1};
    windows->MainForm->UDPsvrUDPRead(wire::infoReply(b1, 1, 1, 12, QByteArray::fromHex("025A45000001")),
                                     QHostAddress(QStringLiteral("127.0.0.2")));
    windows->MainForm->UDPsvrUDPRead(wire::infoReply(b2, 1, 1, 12, QByteArray::fromHex("025A45000002")),
                                     QHostAddress(QStringLiteral("127.0.0.3")));
    // Without a rig, the Rig menu shows the patch of the devices found.
    QAction *menu = windows->MainForm->findChild<QAction *>(QStringLiteral("ShowPatch1"));
    QVERIFY(menu);
    ModalScript script({{"PatchWindow", [this](QWidget *w) {
                             checkPatchWindow(*qobject_cast<PatchWindow *>(w));
                             w->close();
                         }}});
    menu->trigger();
    QVERIFY(script.finished());
}

void TestRigWindow::checkPatchWindow(PatchWindow &w) {
    QCOMPARE(w.windowTitle(), QStringLiteral("Zentri patch"));
    QCOMPARE(w.source().title, QStringLiteral("Devices found"));
    auto *universes = child<QComboBox>(w, "cbUniverse");
    QStringList items;
    for (int i = 0; i < universes->count(); ++i)
        items << universes->itemText(i);
    QCOMPARE(items, (QStringList{"NET 0, universe 0: 1 DMX output(s) fed",
                                 "NET 0, universe 1: 27 channel(s) in use, 1 DMX output(s) fed, conflicts"}));
    QCOMPARE(w.universe(), qMakePair(0, 0));
    w.showUniverse(0, 1);
    QVERIFY(child<QLabel>(w, "lbDmx")->text().contains(QStringLiteral("DMX output of Box 2")));

    // The conflict is listed with its level in words, and choosing it selects both uses.
    auto *conflicts = child<QListWidget>(w, "lvConflicts");
    QCOMPARE(conflicts->count(), 1);
    QVERIFY(conflicts->item(0)->text().startsWith(QStringLiteral("warning: An output and an audio player")));
    conflicts->setCurrentRow(0);
    auto *uses = child<QTableView>(w, "grUses");
    QStringList selected;
    for (const QModelIndex &i : uses->selectionModel()->selectedRows(PatchWindow::UsesElement))
        selected << i.data().toString() + " " +
                        i.siblingAtColumn(PatchWindow::UsesConflict).data().toString();
    QCOMPARE(selected, (QStringList{"Output 2 warning", "Audio player volume warning"}));

    // A click on a cell of the picture selects the uses of its channel: channel 22 is column 22, row 1.
    QWidget *picture = child<QWidget>(w, "universe");
    QVERIFY(picture->accessibleName().contains(QStringLiteral("NET 0, universe 1")));
    const QSize cell(picture->sizeHint().width() / 32, picture->sizeHint().height() / 16);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(cell.width() * 21 + 3, 3));
    QCOMPARE(uses->selectionModel()->selectedRows().size(), 2);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(cell.width() * 31 + 3, cell.height() * 15 + 3));
    QCOMPARE(uses->selectionModel()->selectedRows().size(), 0); // channel 512 is free

    // The list sorts by channel (NET, universe, channel), by device and by element.
    QCOMPARE(w.useLines().mid(0, 3),
             (QStringList{"all\tBox 1\tDMX output (whole universe)",
                          "all\tBox 2\tDMX output (whole universe)", "11\tBox 1\tOutput 1"}));
    uses->sortByColumn(PatchWindow::UsesDevice, Qt::DescendingOrder);
    QVERIFY(w.useLines().first().contains(QStringLiteral("Box 2")));
    uses->sortByColumn(PatchWindow::UsesElement, Qt::AscendingOrder);
    QVERIFY(w.useLines().first().endsWith(QStringLiteral("Output 1")));
    QVERIFY(w.useLines().last().endsWith(QStringLiteral("DMX output (whole universe)")));

    // The report of what the window shows: PDF, HTML page and CSV.
    QTemporaryDir out;
    QStringList written;
    QString error;
    QVERIFY2(w.exportReportTo(out.filePath(QStringLiteral("report")), &written, &error), qPrintable(error));
    QCOMPARE(written.size(), 3);
    QFile csv(out.filePath(QStringLiteral("report.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().count('\n'), 1 + w.patch().uses.size());
}

void TestRigWindow::sendUnconfirmedIsReported() {
    recUrzadzenia d2 = device(2);
    d2.Output[5].Channel = 400;
    openRig({device(1), device(2), device(3)});
    showAndAnswer({{0, device(1)}, {1, d2}, {2, device(3)}});
    // Device 3 changed meanwhile; device 2 keeps its old setting; device 3 answers no more.
    recUrzadzenia d3 = device(3);
    d3.MasterVolume = 9;
    showAndAnswer({{0, device(1)}, {1, d2}, {2, d3}});
    Answers answers({QStringLiteral("sendRigBox")});
    forget();
    button("btSend")->click();
    QVERIFY(!waitFor(1, "!SETI").isEmpty());
    QVERIFY(!waitFor(2, "!SETI").isEmpty());
    QVERIFY(!waitFor(0, "QGETI").isEmpty());
    answer(1, d2);
    QTRY_COMPARE_WITH_TIMEOUT(answers.names.size(), 2, 5000);
    const QString report = answers.texts[1];
    QVERIFY2(report.startsWith(QStringLiteral("Not confirmed:")), qPrintable(report));
    QVERIFY(report.contains(mac(2) + QStringLiteral(", 127.0.0.2): it reports other settings: "
                                                    "Output 6 channel sent 26, reported 400")));
    QVERIFY(report.contains(mac(3) + QStringLiteral(", 127.0.0.3): it did not answer")));
    QVERIFY(rigWindow()->eventLines().filter(QStringLiteral("\tnot confirmed\t")).size() == 2);
}

void TestRigWindow::replaceGivesTheEntryToTheNewDevice() {
    recUrzadzenia swapped = device(7); // a new box at device 3's place, with its factory settings
    swapped.ZentriVersion = kModuleStandard;
    openRig({device(1), device(3)});
    showAndAnswer({{0, device(1)}, {2, swapped}});
    QCOMPARE(stateOf(mac(3)), QStringLiteral("missing"));
    QCOMPARE(stateOf(mac(7)), QStringLiteral("not in rig"));
    rigWindow()->selectMacs({mac(3)});
    forget();
    QString item;
    DuringModal choose(DuringModal::window<QInputDialog>, [&](QWidget *w) {
        auto *d = static_cast<QInputDialog *>(w);
        QCOMPARE(d->objectName(), QStringLiteral("replaceWithDialog"));
        item = d->comboBoxItems().join('|');
        d->setTextValue(d->comboBoxItems().value(0));
        d->accept();
    });
    Answers answers({QStringLiteral("replaceBox")});
    button("btReplace")->click();
    QCOMPARE(item, QStringLiteral("Box 7 (%1, 127.0.0.3)").arg(mac(7)));
    QCOMPARE(answers.names.value(0), QStringLiteral("replaceBox"));
    QVERIFY(answers.texts[0].contains(
        QStringLiteral("Give the rig entry \"Box 3\" (%1) to the device %2").arg(mac(3), mac(7))));
    const QByteArray got = waitFor(2, "!SETI");
    recUrzadzenia expected = device(3);
    expected.ZentriVersion = kModuleStandard;
    QCOMPARE(got.toHex(), wire::configurationPacket(expected).toHex());
    QVERIFY(rigWindow()->rig().indexOf(mac(7)) < 0); // not before it is confirmed
    QVERIFY(!waitFor(0, "QGETI").isEmpty());
    recUrzadzenia stored = swapped;
    QVERIFY(wire::applyConfigurationPacket(got, stored));
    answer(0, device(1));
    answer(2, stored);
    QTRY_COMPARE(answers.names.size(), 2);
    QVERIFY2(answers.texts[1].contains(QStringLiteral("is now the device %1 (was %2)").arg(mac(7), mac(3))),
             qPrintable(answers.texts[1]));
    const int entry = rigWindow()->rig().indexOf(mac(7));
    QCOMPARE(entry, 1);
    QCOMPARE(rigWindow()->rig().devices[entry].Nazwa, QStringLiteral("Box 3"));
    QVERIFY(rigWindow()->isModified());
    QTRY_COMPARE(stateOf(mac(7)), QStringLiteral("in sync"));
}

void TestRigWindow::takeChangesTheRigNotTheFile() {
    recUrzadzenia d2 = device(2);
    d2.Output[0].Channel = 500;
    openRig({device(1), device(2)});
    QFile f(rigPath);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    showAndAnswer({{0, device(1)}, {1, d2}, {2, device(6)}});
    rigWindow()->selectMacs({mac(2), mac(6)});
    forget();
    button("btTake")->click();
    QCOMPARE(stateOf(mac(2)), QStringLiteral("in sync"));
    QCOMPARE(stateOf(mac(6)), QStringLiteral("in sync"));
    QCOMPARE(rigWindow()->rig().devices[1].Output[0].Channel, 500);
    QCOMPARE(rigWindow()->rig().devices.size(), 3);
    QVERIFY(rigWindow()->isModified());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    f.close();
    QTest::qWait(200);
    for (int k = 0; k < 4; ++k)
        QVERIFY(waitFor(k, "!SETI", 0).isEmpty());
    // Saved, the file holds what was taken.
    QVERIFY(rigWindow()->save());
    QVERIFY(!rigWindow()->isModified());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const auto parsed = rig::parse(f.readAll());
    QVERIFY(parsed.rig);
    QCOMPARE(parsed.rig->devices[1].Output[0].Channel, 500);
}

void TestRigWindow::captureMakesARigOfEveryDeviceThatAnswered() {
    showAndAnswer({{0, device(3)}, {1, device(1)}, {2, device(2)}});
    QCOMPARE(stateOf(mac(1)), QStringLiteral("not in rig"));
    button("btCapture")->click();
    QStringList macs;
    for (const recUrzadzenia &d : rigWindow()->rig().devices)
        macs << d.MAC;
    QCOMPARE(macs, (QStringList{mac(1), mac(2), mac(3)}));
    QVERIFY(rigWindow()->path().isEmpty());
    QVERIFY(rigWindow()->isModified());
    QCOMPARE(stateColumn(), (QStringList{"in sync " + mac(1), "in sync " + mac(2), "in sync " + mac(3)}));
}

void TestRigWindow::watchingReportsEvents() {
    openRig({device(1), device(2)});
    showAndAnswer({{0, device(1)}, {1, device(2)}});
    auto sdReplies = [&](bool card2) {
        QVERIFY(!waitFor(0, "qchkSD", 3000).isEmpty());
        QVERIFY(!waitFor(1, "qchkSD", 3000).isEmpty());
        fakes[0]->reply(wire::sdCardReply(true));
        fakes[1]->reply(wire::sdCardReply(card2));
    };
    sdReplies(true);
    child<QCheckBox>(*rigWindow(), "cbWatch")->setChecked(true);
    // Next poll: device 2 is silent; then it comes back changed and without its card.
    QVERIFY(!waitFor(0, "QGETI", 3000).isEmpty());
    answer(0, device(1));
    for (int poll = 0; poll < 3; ++poll) {
        QVERIFY(!waitFor(0, "QGETI", 3000).isEmpty());
        answer(0, device(1));
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        !rigWindow()->eventLines().filter(QStringLiteral("\toffline\t") + mac(2)).isEmpty(), 3000);
    QTRY_VERIFY(stateOf(mac(2)) == QStringLiteral("missing"));
    recUrzadzenia changed = device(2);
    changed.MasterVolume = 250;
    forget();
    QVERIFY(!waitFor(0, "QGETI", 3000).isEmpty());
    answer(0, device(1));
    answer(1, changed);
    sdReplies(false);
    QTRY_VERIFY_WITH_TIMEOUT(
        !rigWindow()->eventLines().filter(QStringLiteral("\tSD card removed\t")).isEmpty(), 3000);
    const QStringList lines = rigWindow()->eventLines();
    QVERIFY(!lines.filter(QStringLiteral("\tback online\t") + mac(2)).isEmpty());
    QVERIFY(!lines.filter(QStringLiteral("\tchanged\t") + mac(2))
                 .filter(QStringLiteral("Master volume 102 -> 250"))
                 .isEmpty());
    QTRY_VERIFY(stateOf(mac(2)) == QStringLiteral("differs"));
    auto *grid = child<QTableView>(*rigWindow(), "grid");
    QTRY_COMPARE(grid->model()->index(1, 6).data().toString(), QStringLiteral("none"));
    QVERIFY(grid->model()->index(0, 7).data().toString().startsWith(QStringLiteral("online, ")));
    child<QCheckBox>(*rigWindow(), "cbWatch")->setChecked(false);

    // The events saved as text, one a line.
    const QString path = dir.filePath(QStringLiteral("events.txt"));
    DuringModal save(DuringModal::window<QFileDialog>, [&](QWidget *w) {
        auto *d = static_cast<QFileDialog *>(w);
        d->selectFile(path);
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    });
    button("btSaveEvents")->click();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList saved = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(saved.mid(0, lines.size()), lines);
}

void TestRigWindow::mainWindowAfterClosingIsAsAfterADiscovery() {
    openRig({device(1), device(2)});
    TMainForm *mainForm = windows->MainForm.get();
    mainForm->findDevices();
    QVERIFY(!waitFor(0, "QGETI").isEmpty());
    answer(0, device(9));
    QTRY_COMPARE(mainForm->devices().size(), 1);
    QAction *show = mainForm->findChild<QAction *>(QStringLiteral("ShowRig1"));
    QVERIFY(show);
    DuringModal inside(DuringModal::window<RigWindow>, [&](QWidget *w) {
        QVERIFY(waitFor(0, "QGETI").size() > 0);
        answer(0, device(1));
        answer(1, device(2));
        QTRY_COMPARE(mainForm->devices().size(), 2);
        QTRY_COMPARE(stateOf(mac(2)), QStringLiteral("in sync"));
        w->close();
    });
    show->trigger();
    QVERIFY(inside.ran());
    // The table holds this discovery's devices, newest first; nothing selected, nothing enabled.
    QCOMPARE(mainForm->table()->rowCount(), 2);
    QCOMPARE(mainForm->table()->row(0).fldMAC, mac(2));
    QCOMPARE(mainForm->table()->row(1).fldMAC, mac(1));
    for (const char *name :
         {"btOutputsSetup", "btAudioSetup", "btTriggersSetup", "btRestart", "btDMXSetup", "btLiveRecord"})
        QVERIFY2(!child<QWidget>(*mainForm, name)->isEnabled(), name);
    for (const char *name : {"lbNoSdCard", "imNoSdCard", "imSDCardOK", "Label1"})
        QVERIFY2(child<QWidget>(*mainForm, name)->isHidden(), name);
    QVERIFY(child<QWidget>(*mainForm, "DBGrid1")->isVisible());
    QCOMPARE(child<QLabel>(*mainForm, "sb1Panel0")->text(), QStringLiteral("Select device"));
    QVERIFY(!mainForm->findChild<QAction *>(QStringLiteral("SaveConfiguration1"))->isEnabled());
}

QTEST_MAIN(TestRigWindow)
#include "tst_rigwindow.moc"
