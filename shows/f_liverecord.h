// The show timeline: one day, 00:00 to 24:00, drawn as a zoomable time axis above one row per
// output; entries are coloured blocks from a start to an end time, placed in the row of their name.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <QString>
#include <QTimer>
#include <QVector>
#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;
class QStatusBar;
class QTabWidget;

namespace zentri {

namespace timeline {

// A flat panel with a thin border and an optional caption, centred in bold; reports mouse presses.
class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget *parent = nullptr);
    void setCaption(const QString &caption);
    QString caption() const { return caption_; }
    void setColor(const QColor &color);
    QColor color() const { return color_; }
    void setBorder(bool border);

signals:
    void clicked(Panel *panel);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString caption_;
    QColor color_;
    bool border_ = true;
};

// The minute scale under an hour: 60 marks, every fifth taller, numbered at 15, 30 and 45.
class MinuteScale : public Panel {
    Q_OBJECT
public:
    struct Label {
        QPoint topLeft;
        QString text;
    };
    explicit MinuteScale(QWidget *parent = nullptr) : Panel(parent) {}
    // Lays the marks out again for `minuteWidth` pixels per minute (the panel's height must be set).
    void buildMarks(int minuteWidth);
    const QVector<QRect> &marks() const { return marks_; }   // marks_[j-1] is minute j
    const QVector<Label> &labels() const { return labels_; } // minutes 15, 30, 45

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<QRect> marks_;
    QVector<Label> labels_;
};

// One timeline entry: a coloured block with its note written on it and the details in its tool-tip.
class EntryBlock : public QFrame {
    Q_OBJECT
public:
    EntryBlock(const QString &recordName, const QString &fromTime, const QString &toTime, const QString &memo,
               const QColor &canvasColor, const QColor &textColor, QWidget *parent);
    QString record_name, from_time, to_time, memo;
    QColor canvas_color, text_color;
    QLabel *memoLabel() const { return label_; }
    void layOut(); // places the note for the block's current size

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *label_;
};

// Minutes after midnight of an "hour:minute" text, hour x 60 + minute, whatever the numbers ("01:75"
// and "24:30" included); none when the text does not parse or lies beyond kMinuteLimit either way.
constexpr qint64 kMinuteLimit = 10 * 24 * 60;
std::optional<int> minutesOfDay(const QString &time);

} // namespace timeline

class TfLiveRecord : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 8;
    static constexpr int kMinHourWidth = 60, kMaxHourWidth = 600, kHourWidthStep = 60;

    TfLiveRecord();

    // ---- State ----
    int pnl_height() const { return pnl_height_; }
    int pnl_width() const { return pnl_width_; }
    int minute_width() const { return pnl_width_ / 57; } // pixels per minute
    timeline::Panel *tab_hours(int h) const { return tab_hours_[h]; }
    timeline::MinuteScale *tab_minuts(int h) const { return tab_minuts_[h]; }
    timeline::Panel *tab_rec(int i) const { return tab_rec_[i]; }           // 1..8
    timeline::Panel *tab_rec_name(int i) const { return tab_rec_name_[i]; } // 1..8
    QList<timeline::EntryBlock *> entries(int row) const;                   // the blocks of row 1..8
    QColor defaultRowColor() const { return def_panel->color(); }
    // Left edge of the time area in window client coordinates.
    int timeAreaLeft() const;
    QString statusPanel(int index) const;

    // ---- Operations ----
    void CreateTimeScale();
    void CreateRows();
    void ShowVisilbeRecords();
    timeline::EntryBlock *InsertObject(const QString &record_name, const QString &from_time,
                                       const QString &to_time, const QString &memo,
                                       const QColor &canvas_color, const QColor &text_color);
    void CreateAllObjectsOnDate();
    void ClearAllObjects();
    void ChangeHourWidth();

    // ---- Handlers ----
    void btn_plusClick();
    void btn_minusClick();
    void def_panelClick(QObject *sender);
    void def_panel_nameClick(QObject *sender);
    void MouseTimerTimer();
    void trackPointer(const QPoint &windowPos); // the timer's work for a given mouse position
    void SyncLeftToMain();
    void SyncMainToLeft();

    // Controls, named as in the window's layout.
    QFrame *pnl_top_bar;
    QTabWidget *PageControl1;
    QWidget *TabSheet1, *pnl_gantt;
    QFrame *pnl_left, *pnl_main, *pnl_right;
    QScrollArea *box_left, *box_main;
    QSplitter *Splitter1;
    timeline::Panel *def_panel, *pnl_pointer, *pnl_pom, *pointer_line;
    QWidget *pointer;
    QPushButton *btn_plus, *btn_minus;
    QStatusBar *StatusBar1;
    QTimer MouseTimer;

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void zoom(int steps); // the hour width a step wider (1) or narrower (-1), the entries drawn again
    void highlightRow(int row);
    void fitContent();

    int pnl_height_ = 30;
    int pnl_width_ = 300;
    std::array<timeline::Panel *, 24> tab_hours_{};
    std::array<timeline::MinuteScale *, 24> tab_minuts_{};
    std::array<timeline::Panel *, kRows + 1> tab_rec_{};      // index 0 unused
    std::array<timeline::Panel *, kRows + 1> tab_rec_name_{}; // index 0 unused
    std::array<timeline::Panel *, 2> headers_{};
    std::array<QLabel *, 4> statusPanels_{};
    QWidget *leftContent_, *mainContent_;
    QWidget *unplaced_; // hidden holder of entries whose name is no row's caption
    bool syncing_ = false;
};

} // namespace zentri
