#include "looklist/frm_look_list.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include "platform/drawing_font.h"
#include "platform/qt_text.h"
#include "platform/twips.h"

namespace tarvo {
namespace {

constexpr int kClientWidth = 6855;  // twips
constexpr int kClientHeight = 7410;

// What a screen reader is given for the window: a document whose text is the drawn
// lines, in the order they were drawn.
class LookListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LookListAccessible(frmLookList* window)
        : QAccessibleWidget(window, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return All();
        }
        return QAccessibleWidget::text(kind);
    }

    // The text interface: read-only, no selection, the caret at the start.
    QString text(int startOffset, int endOffset) const override {
        return All().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(All().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

  private:
    const QString& All() const { return static_cast<const frmLookList*>(widget())->PlainText(); }
};

QAccessibleInterface* LookListAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(frmLookList::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType()) {
        return new LookListAccessible(static_cast<frmLookList*>(object));
    }
    return nullptr;
}

}  // namespace

frmLookList::frmLookList(TextMeasure& measure, QWidget* parent)
    : QWidget(parent, Qt::Window), destination_(*this, measure) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LookListAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;

    setObjectName(QStringLiteral("frmLookList"));
    setWindowTitle(QStringLiteral("Form1"));
    setAccessibleName(QStringLiteral("Look list"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 255));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
}

frmLookList::~frmLookList() = default;

float frmLookList::WindowDestination::ScaleWidth() const {
    return static_cast<float>(PixelsToTwips(window_.width()));
}

float frmLookList::WindowDestination::ScaleHeight() const {
    return static_cast<float>(PixelsToTwips(window_.height()));
}

void frmLookList::WindowDestination::Draw(float x, float y, const FontSpec& font,
                                          std::string_view text, LineEnd end) {
    RecordingDestination::Draw(x, y, font, text, end);
    window_.DrawingChanged();
}

void frmLookList::WindowDestination::Erase() {
    RecordingDestination::Erase();
    window_.DrawingChanged();
}

void frmLookList::DrawingChanged() {
    plainTextStale_ = true;
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
}

const QString& frmLookList::PlainText() const {
    if (plainTextStale_) {
        plainText_.clear();
        const std::vector<std::string> lines = destination_.Lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                plainText_ += QLatin1Char('\n');
            }
            plainText_ += ToQString(lines[i]);
        }
        plainTextStale_ = false;
    }
    return plainText_;
}

void frmLookList::CopyToClipboard() const {
    QGuiApplication::clipboard()->setText(PlainText());
}

void frmLookList::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    const FontSpec* current = nullptr;
    double lineHeight = 0;
    for (const DrawnText& drawn : destination_.Texts()) {
        if (drawn.text.empty()) {
            continue;
        }
        if (current == nullptr || !(drawn.font == *current)) {
            painter.setFont(DrawingFont(drawn.font.name, drawn.font.size, drawn.font.bold));
            lineHeight = QFontMetricsF(painter.font(), this).lineSpacing();
            current = &drawn.font;
        }
        const double top = drawn.y / 15.0;
        if (top > exposed.bottom() + 1 || top + lineHeight < exposed.top()) {
            continue;
        }
        painter.drawText(QRectF(drawn.x / 15.0, top, 1, 1),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         ToQString(drawn.text));
    }
    // A screen reader hears of a new drawing once it shows.
    if (repaintPending_ && QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, PlainText());
        QAccessible::updateAccessibility(&changed);
    }
    repaintPending_ = false;
}

void frmLookList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarvo
