#include "messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace zentri::ui {

void showMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("zentri::ui", "Zentri manager"), text,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

bool ask(QWidget *parent, const QString &title, const char *name, const QString &text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QString::fromLatin1(name));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace zentri::ui
