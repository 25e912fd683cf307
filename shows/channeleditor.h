// The cue editor's channel editor: a spin box for one DMX channel value, 0 to 255.
//
// The cue editor shows 512 of them at once, and each costs a lot to paint: the style's frame and
// arrows, and a line edit that lays its text out again at every paint. So an editor whose text is not
// being edited draws itself from a picture, and its line edit stays out of painting. A picture is
// made the first time an editor shows a text in a given state and look, and every editor showing the
// same then shares it. While the editor has the focus, or its line edit selected text, it paints as
// any spin box does.
#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSpinBox>
#include <memory>
#include <tuple>

class QLineEdit;
class QStyleOptionSpinBox;

namespace zentri::ui {

class ChannelEditor;

// What the editors of one window share: their style and their pictures. It must outlive the
// editors: make it after their parent, as a child of the same window.
class ChannelEditorLook : public QObject {
    Q_OBJECT
public:
    explicit ChannelEditorLook(QObject *parent);

    QStyle *style() const { return style_; }
    // `editor` as it paints itself when drawn with `option`, its line edit unfocused.
    QPixmap picture(const ChannelEditor *editor, const QStyleOptionSpinBox &option);
    int pictureCount() const { return int(pictures_.size()); }

    // Everything that decides what an editor paints while its line edit has no focus and no selection.
    struct Key {
        // the spin box, as its style option says
        int state = 0, direction = 0, subControls = 0, activeSubControls = 0, stepEnabled = 0;
        int buttonSymbols = 0;
        bool frame = false;
        QSize size;
        qint64 palette = 0;
        int colourGroup = 0;
        qreal ratio = 1;
        // its line edit
        QString text;
        QRect line;
        QFont font;
        int alignment = 0, cursor = 0;
        auto tied() const { // the font, slowest to compare, last
            return std::tie(state, direction, subControls, activeSubControls, stepEnabled, buttonSymbols,
                            frame, size, palette, colourGroup, ratio, text, line, alignment, cursor, font);
        }
        bool operator==(const Key &o) const { return tied() == o.tied(); }
    };

private:
    QStyle *style_;
    // The line edits in the pictures are rendered from an editor of this object's own, never shown:
    // rendering a widget of a shown window first brings the whole window's geometry up to date.
    std::unique_ptr<ChannelEditor> model_;
    qint64 modelPalette_ = 0; // the palette and colour group the model was given
    int modelColourGroup_ = -1;
    QHash<Key, QPixmap> pictures_;
};

size_t qHash(const ChannelEditorLook::Key &key, size_t seed = 0) noexcept;

class ChannelEditor : public QSpinBox {
    Q_OBJECT
public:
    ChannelEditor(ChannelEditorLook *look, QWidget *parent);

    // True while the editor draws itself from a picture rather than with its line edit.
    bool showsPicture() const { return picture_; }
    QLineEdit *line() const { return lineEdit(); }
    // The size at which the editor shows every value whole in its font, and never below `least`.
    QSize sizeShowingEveryValue(const QSize &least) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void followLineEdit();

    ChannelEditorLook *look_;
    bool picture_ = true;
};

} // namespace zentri::ui
