// The About window `TfAbout`.
#pragma once

#include <QDialog>

namespace zentri {

class TfAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfAbout(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace zentri
