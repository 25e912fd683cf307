// What a person types or hands over as a file: addresses that must name one device, whole numbers,
// files read whole and written only where a file belongs, JSON that means one thing.
#include "device/address.h"
#include "device/files.h"
#include "device/strictjson.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zentri;

class TestTypedInput : public QObject {
    Q_OBJECT
private slots:
    void deviceAddresses_data();
    void deviceAddresses();
    void addressRanges_data();
    void addressRanges();
    void wholeNumbers_data();
    void wholeNumbers();
    void duplicateKeys_data();
    void duplicateKeys();
    void reading_data();
    void reading();
    void writing_data();
    void writing();

private:
    QTemporaryDir dir;
};

void TestTypedInput::deviceAddresses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result"); // the address read, or what the refusal says
    QTest::newRow("plain") << "192.168.1.50"
                           << "192.168.1.50";
    QTest::newRow("zeros as numbers") << "10.0.0.1"
                                      << "10.0.0.1";
    QTest::newRow("largest octets") << "10.77.255.254"
                                    << "10.77.255.254";
    QTest::newRow("another subnet's broadcast") << "10.78.0.255"
                                                << "10.78.0.255";
    QTest::newRow("/31 has no broadcast") << "10.9.0.1"
                                          << "10.9.0.1";
    const QString form = QStringLiteral("is not an IPv4 address written as four decimal numbers");
    QTest::newRow("leading zero (octal elsewhere)") << "10.77.0.010"
                                                    << "\"10.77.0.010\" " + form;
    QTest::newRow("leading zeros") << "192.168.001.010" << form;
    QTest::newRow("three parts") << "127.0.0" << form;
    QTest::newRow("five parts") << "1.2.3.4.5" << form;
    QTest::newRow("octet 256") << "10.0.0.256" << form;
    QTest::newRow("sign") << "10.0.0.+1" << form;
    QTest::newRow("space") << " 10.0.0.1" << form;
    QTest::newRow("hexadecimal") << "0x0a.0.0.1" << form;
    QTest::newRow("one number") << "167772161" << form;
    QTest::newRow("empty part") << "10..0.1" << form;
    QTest::newRow("IPv6") << "::1" << form;
    QTest::newRow("host name") << "localhost" << form;
    QTest::newRow("unspecified") << "0.0.0.0"
                                 << "0.0.0.0 is the unspecified address";
    QTest::newRow("limited broadcast") << "255.255.255.255"
                                       << "255.255.255.255 is the broadcast address";
    QTest::newRow("multicast low") << "224.0.0.1"
                                   << "224.0.0.1 is a multicast address";
    QTest::newRow("multicast high") << "239.255.255.250"
                                    << "is a multicast address";
    QTest::newRow("subnet broadcast /24")
        << "10.77.0.255"
        << "10.77.0.255 is the broadcast address of the subnet 10.77.0.0/24 on eth0";
    QTest::newRow("second address of an interface")
        << "172.16.3.255"
        << "172.16.3.255 is the broadcast address of the subnet 172.16.0.0/22 on eth0";
    QTest::newRow("loopback broadcast") << "127.255.255.255"
                                        << "of the subnet 127.0.0.0/8 on lo";
}

void TestTypedInput::deviceAddresses() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    InterfaceInfo lo{QStringLiteral("lo"), 1, true, false, true, {{QHostAddress("127.0.0.1"), 8}}};
    InterfaceInfo eth{QStringLiteral("eth0"),
                      2,
                      true,
                      true,
                      false,
                      {{QHostAddress("10.77.0.1"), 24}, {QHostAddress("172.16.1.9"), 22}}};
    InterfaceInfo p2p{QStringLiteral("tun0"), 3, true, false, false, {{QHostAddress("10.9.0.0"), 31}}};
    QString error;
    const auto a = parseDeviceAddress(text, &error, {lo, eth, p2p});
    if (a)
        QCOMPARE(a->toString(), result);
    else
        QVERIFY2(error.contains(result), qPrintable(error));
}

void TestTypedInput::addressRanges_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result"); // "count first..last", or what the refusal says
    QTest::newRow("one address") << "10.1.2.7"
                                 << "1 10.1.2.7..10.1.2.7";
    QTest::newRow("a /24 without its network and broadcast") << "10.1.2.0/24"
                                                             << "254 10.1.2.1..10.1.2.254";
    QTest::newRow("the largest, a /20") << "10.1.0.0/20"
                                        << "4094 10.1.0.1..10.1.15.254";
    QTest::newRow("a /31 has no broadcast") << "10.1.2.0/31"
                                            << "2 10.1.2.0..10.1.2.1";
    QTest::newRow("a /32") << "10.1.2.9/32"
                           << "1 10.1.2.9..10.1.2.9";
    QTest::newRow("too large") << "10.1.0.0/19"
                               << "holds 8192 addresses; a range may hold at most 4096";
    QTest::newRow("host bits set") << "10.1.2.5/24"
                                   << "is not a subnet: its network address is 10.1.2.0/24";
    QTest::newRow("prefix with a leading zero") << "10.1.2.0/024"
                                                << "the prefix length after \"/\"";
    QTest::newRow("prefix 33") << "10.1.2.0/33"
                               << "the prefix length";
    QTest::newRow("no prefix") << "10.1.2.0/"
                               << "the prefix length";
    QTest::newRow("address with a leading zero") << "10.1.02.0/24"
                                                 << "is not an IPv4 address";
    QTest::newRow("a local subnet's broadcast alone") << "10.77.0.255"
                                                      << "broadcast address of the subnet";
    QTest::newRow("a multicast subnet") << "224.0.0.0/24"
                                        << "holds no address that stands for one device";
}

void TestTypedInput::addressRanges() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    InterfaceInfo eth{QStringLiteral("eth0"), 2, true, true, false, {{QHostAddress("10.77.0.1"), 24}}};
    QString error;
    const auto range = parseAddressRange(text, &error, {eth});
    if (!range) {
        QVERIFY2(error.contains(result), qPrintable(error));
        return;
    }
    QCOMPARE(QStringLiteral("%1 %2..%3")
                 .arg(range->addresses.size())
                 .arg(range->addresses.first().toString(), range->addresses.last().toString()),
             result);
}

void TestTypedInput::wholeNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value"); // -1: refused (range 0..600000)
    QTest::newRow("zero") << "0" << qint64(0);
    QTest::newRow("largest") << "600000" << qint64(600000);
    QTest::newRow("too large") << "600001" << qint64(-1);
    QTest::newRow("leading space") << " 500" << qint64(-1);
    QTest::newRow("trailing space") << "500 " << qint64(-1);
    QTest::newRow("sign") << "+500" << qint64(-1);
    QTest::newRow("negative") << "-1" << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("fraction") << "1.5" << qint64(-1);
    QTest::newRow("overflowing digits") << "99999999999999999999999" << qint64(-1);
}

void TestTypedInput::wholeNumbers() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(parseWholeNumber(text, 0, 600000).value_or(-1), value);
}

void TestTypedInput::duplicateKeys_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("says"); // empty: no key given twice
    QTest::newRow("none") << QByteArray(R"({"a": 1, "b": {"a": 2}, "c": [{"a": 3}, {"a": 4}]})") << "";
    QTest::newRow("top level") << QByteArray(R"({"a": 1, "b": 2, "a": 3})")
                               << "the key \"a\" is given twice at the top level";
    QTest::newRow("nested object") << QByteArray(R"({"conf": {"dap": {"NET": 1, "NET": 2}}})")
                                   << "the key \"NET\" is given twice in conf.dap";
    QTest::newRow("element of a list") << QByteArray(R"({"Output": [{"x": 1}, {"PWM": 1, "PWM": 2}]})")
                                       << "the key \"PWM\" is given twice in Output[1]";
    QTest::newRow("spelt with an escape") << QByteArray(R"({"MasterVolume": 1, "Master\u0056olume": 2})")
                                          << "the key \"MasterVolume\" is given twice at the top level";
    QTest::newRow("key-like text in values")
        << QByteArray(R"({"a": "a", "b": ["a", "a"], "c": "\"a\""})") << "";
}

void TestTypedInput::duplicateKeys() {
    QFETCH(QByteArray, json);
    QFETCH(QString, says);
    QCOMPARE(strictjson::duplicateKey(json), says);
}

void TestTypedInput::reading_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("says"); // empty: read whole
    QTest::newRow("regular file") << "small" << 100 << "";
    QTest::newRow("exactly the limit") << "small" << 10 << "";
    QTest::newRow("one byte over") << "small" << 9 << "larger than the 9 bytes such a file may have";
    QTest::newRow("missing") << "nothing-here" << 100 << "no such file";
    QTest::newRow("directory") << "." << 100 << "not a regular file";
    QTest::newRow("endless device") << "/dev/zero" << 100 << "not a regular file";
}

void TestTypedInput::reading() {
    QFETCH(QString, path);
    QFETCH(int, limit);
    QFETCH(QString, says);
    QFile small(dir.filePath(QStringLiteral("small")));
    QVERIFY(small.open(QIODevice::WriteOnly));
    small.write("0123456789");
    small.close();
    QString error;
    const auto data = files::readWhole(path.startsWith('/') ? path : dir.filePath(path), limit, &error);
    QCOMPARE(data.has_value(), says.isEmpty());
    if (data)
        QCOMPARE(*data, QByteArray("0123456789"));
    else
        QVERIFY2(error.contains(says), qPrintable(error));
}

void TestTypedInput::writing_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QString>("says"); // empty: written
    QTest::newRow("new file") << "new" << false << false << "";
    QTest::newRow("existing file") << "old" << false << false << "";
    QTest::newRow("read-only file") << "old" << true << false << "the file is read-only";
    QTest::newRow("read-only file, forced") << "old" << true << true << "";
    QTest::newRow("through a link") << "link" << false << false << "";
    QTest::newRow("device node") << "/dev/null" << false << true << "not a regular file";
    QTest::newRow("directory") << "." << false << true << "not a regular file";
}

void TestTypedInput::writing() {
    QFETCH(QString, path);
    QFETCH(bool, readOnly);
    QFETCH(bool, force);
    QFETCH(QString, says);
    const QString old = dir.filePath(QStringLiteral("old"));
    QFile::remove(old);
    QFile::remove(dir.filePath(QStringLiteral("new")));
    QFile::remove(dir.filePath(QStringLiteral("link")));
    QFile f(old);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("before");
    f.close();
    QVERIFY(QFile::link(old, dir.filePath(QStringLiteral("link"))));
    if (readOnly)
        QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::ReadGroup));
    const QString target = path.startsWith('/') ? path : dir.filePath(path);
    QString error;
    const bool written = files::writeAtomically(target, "after", force, &error);
    QCOMPARE(written, says.isEmpty());
    if (!written) {
        QVERIFY2(error.contains(says), qPrintable(error));
        QCOMPARE(QFileInfo(old).size(), 6); // "before", untouched
        return;
    }
    QFile back(target);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), QByteArray("after"));
    if (path == QLatin1String("link"))
        QVERIFY2(QFileInfo(target).isSymLink(), "the link stays a link to the file it names");
}

QTEST_GUILESS_MAIN(TestTypedInput)
#include "tst_typedinput.moc"
