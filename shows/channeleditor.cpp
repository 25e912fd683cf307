#include "channeleditor.h"

#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionSpinBox>
#include <QStylePainter>

namespace zentri::ui {

namespace {

// The channel editors are only 41 pixels wide: narrower arrows leave room for three digits.
class ChannelEditorStyle : public QProxyStyle {
public:
    static constexpr int kArrowWidth = 11;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget) const override {
        QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
        if (control != CC_SpinBox)
            return r;
        const QRect up = QProxyStyle::subControlRect(control, option, SC_SpinBoxUp, widget);
        const int gain = qMax(0, up.width() - kArrowWidth);
        if (sub == SC_SpinBoxUp || sub == SC_SpinBoxDown)
            r.setLeft(r.left() + gain);
        else if (sub == SC_SpinBoxEditField)
            r.setRight(r.right() + gain);
        return r;
    }
};

// Distinct texts are few (the values 0 to 255 in one or two looks); this only bounds a cache that
// something unforeseen keeps filling.
constexpr int kMostPictures = 2048;

} // namespace

ChannelEditorLook::ChannelEditorLook(QObject *parent) : QObject(parent), style_(new ChannelEditorStyle) {
    style_->setParent(this);
}

size_t qHash(const ChannelEditorLook::Key &key, size_t seed) noexcept {
    return qHashMulti(seed, key.text, key.state, key.stepEnabled, key.activeSubControls, key.palette,
                      key.colourGroup, key.size.width(), key.size.height(), key.cursor);
}

QPixmap ChannelEditorLook::picture(const ChannelEditor *editor, const QStyleOptionSpinBox &option) {
    const QLineEdit *line = editor->line();
    Key key;
    key.state = int(option.state);
    key.direction = int(option.direction);
    key.subControls = int(option.subControls);
    key.activeSubControls = int(option.activeSubControls);
    key.stepEnabled = int(option.stepEnabled);
    key.buttonSymbols = int(option.buttonSymbols);
    key.frame = option.frame;
    key.size = option.rect.size();
    key.palette = option.palette.cacheKey();
    key.colourGroup = option.palette.currentColorGroup();
    key.ratio = editor->devicePixelRatioF();
    key.text = line->displayText();
    key.line = line->geometry();
    key.font = line->font();
    key.alignment = int(line->alignment());
    key.cursor = line->cursorPosition();
    if (const auto found = pictures_.constFind(key); found != pictures_.constEnd())
        return *found;

    QPixmap picture((QSizeF(key.size) * key.ratio).toSize());
    picture.setDevicePixelRatio(key.ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        style_->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, editor);
    }

    // The line edit on top: the model's, made to paint as the editor's would. It shows the colours of
    // the editor's colour group, whatever its own state. A line edit paints every pixel it covers.
    if (!model_)
        model_ = std::make_unique<ChannelEditor>(this, nullptr);
    const QPalette &palette = line->palette();
    if (modelPalette_ != palette.cacheKey() || modelColourGroup_ != palette.currentColorGroup()) {
        QPalette colours = palette;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = QPalette::ColorRole(role);
            colours.setBrush(QPalette::All, r, palette.brush(palette.currentColorGroup(), r));
        }
        model_->setPalette(colours);
        modelPalette_ = palette.cacheKey();
        modelColourGroup_ = palette.currentColorGroup();
    }
    model_->setFont(editor->font());
    model_->setAlignment(editor->alignment());
    model_->setLayoutDirection(editor->layoutDirection());
    model_->resize(key.size);
    QLineEdit *modelLine = model_->line();
    modelLine->setText(key.text);
    modelLine->setCursorPosition(key.cursor);
    modelLine->render(&picture, key.line.topLeft(), QRegion(), QWidget::RenderFlags());

    if (pictures_.size() >= kMostPictures)
        pictures_.clear();
    pictures_.insert(key, picture);
    return picture;
}

ChannelEditor::ChannelEditor(ChannelEditorLook *look, QWidget *parent) : QSpinBox(parent), look_(look) {
    setStyle(look->style());
    QLineEdit *line = lineEdit();
    line->setUpdatesEnabled(false); // until the editor has the focus
    connect(line, &QLineEdit::textChanged, this, [this] {
        if (showsPicture())
            update();
    });
    connect(line, &QLineEdit::selectionChanged, this, &ChannelEditor::followLineEdit);
}

QSize ChannelEditor::sizeShowingEveryValue(const QSize &least) const {
    // What the frame and the arrows take at the least size, and the line edit's own margins: two
    // pixels before the text and one after it, one above and below.
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), least);
    const QRect field =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
    const QMargins margins = lineEdit()->textMargins();
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int v = minimum(); v <= maximum(); ++v)
        widest = qMax(widest, metrics.horizontalAdvance(textFromValue(v)));
    const int width = least.width() - field.width() + widest + 2 + 1 + margins.left() + margins.right();
    const int height =
        least.height() - field.height() + metrics.height() + 2 + margins.top() + margins.bottom();
    return least.expandedTo(QSize(width, height));
}

void ChannelEditor::followLineEdit() {
    QLineEdit *line = lineEdit();
    const bool picture = !hasFocus() && !line->hasSelectedText();
    if (picture == picture_)
        return;
    picture_ = picture;
    line->setUpdatesEnabled(!picture); // enabling repaints it
    update();
}

void ChannelEditor::focusInEvent(QFocusEvent *event) {
    QSpinBox::focusInEvent(event);
    followLineEdit();
}

void ChannelEditor::focusOutEvent(QFocusEvent *event) {
    QSpinBox::focusOutEvent(event);
    followLineEdit();
}

void ChannelEditor::paintEvent(QPaintEvent *) {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    if (showsPicture()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, look_->picture(this, option));
        return;
    }
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_SpinBox, option);
}

} // namespace zentri::ui
