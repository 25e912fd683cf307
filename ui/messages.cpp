#include "messages.h"

#include <QMessageBox>

namespace zentri::ui {

void showMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zentri manager"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace zentri::ui
