// The manager's windows against three scripted devices on 127.0.0.1 to 127.0.0.3: discover, click a
// row, and what each device was sent. A test class derives from it and calls openManager() in init()
// and closeManager() in cleanup().
#pragma once

#include "app/application.h"
#include "app/mainwindow.h"
#include "fakedevice.h"
#include "records.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

class ManagerFixture {
protected:
    using EditDevice = std::function<void(zentri::recUrzadzenia &, int)>;

    void openManager() {
        windows = std::make_unique<zentri::Windows>();
        main()->setDiscoveryAddress(QHostAddress(QStringLiteral("127.0.0.1")));
        main()->show();
        grid = main()->findChild<QTableView *>(QStringLiteral("DBGrid1"));
        for (int i = 0; i < 3; ++i)
            fakes.push_back(std::make_unique<FakeDevice>(QStringLiteral("127.0.0.%1").arg(i + 1)));
    }
    void closeManager() {
        windows.reset();
        fakes.clear();
    }

    zentri::TMainForm *main() const { return windows->MainForm.get(); }

    // Presses "Find devices" and lets the first `devices` fakes answer, in turn, with a Premium device
    // "Device n" that `edit` may change; device i becomes record i.
    void discover(int devices, const EditDevice &edit = {}) {
        press(main(), "Button1");
        QCOMPARE(fakes[0]->waitFor("QGETI"), zentri::wire::discoveryRequest());
        for (int i = 0; i < devices; ++i) {
            zentri::recUrzadzenia rec = records::premium(QStringLiteral("Device %1").arg(i + 1), QString());
            if (edit)
                edit(rec, i);
            fakes[i]->replyInfo(rec);
            QTRY_COMPARE(main()->devices().size(), i + 1); // in order of arrival
        }
    }

    void clickRow(int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    static void press(QWidget *window, const char *button) {
        auto *b = window->findChild<QPushButton *>(QString::fromLatin1(button));
        QVERIFY2(b, button);
        b->click();
    }

    template <typename T = QWidget> T *control(const char *name) const {
        return main()->findChild<T *>(QString::fromLatin1(name));
    }
    QString status() const { return control<QLabel>("sb1Panel0")->text(); }

    // What fake device `fake` received since the last look, of the datagrams starting with `word`.
    QVector<QByteArray> sentTo(int fake, const char *word) {
        QVector<QByteArray> out;
        for (const QByteArray &d : fakes[fake]->take())
            if (d.startsWith(word))
                out << d;
        return out;
    }

    std::unique_ptr<zentri::Windows> windows;
    std::vector<std::unique_ptr<FakeDevice>> fakes;
    QTableView *grid = nullptr;
};
