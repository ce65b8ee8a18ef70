#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "looklist/recording_destination.h"

class QKeyEvent;
class QPaintEvent;

namespace tarvo {

// The look-list window: an ordinary resizable window, white, titled "Form1", that the
// program clears and draws into. It keeps its drawing: covering, uncovering or resizing
// it repaints what was drawn, and nothing changes until the list is drawn again.
//
// For the crew, beyond the drawing: a screen reader reads the drawn lines in order (the
// window's accessible text), and Ctrl+C copies them as plain text, columns separated by
// tabs. It needs only the measuring surface, for the line heights of its fonts.
class frmLookList : public QWidget {
    Q_OBJECT
  public:
    explicit frmLookList(TextMeasure& measure, QWidget* parent = nullptr);
    ~frmLookList() override;

    // The window as an output destination: its width and height are the client area's.
    OutputDestination& destination() { return destination_; }
    const RecordingDestination& drawing() const { return destination_; }

    // The drawn lines joined by line feeds, the columns of a line by tabs.
    const QString& PlainText() const;

    // Puts PlainText() on the clipboard.
    void CopyToClipboard() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    class WindowDestination : public RecordingDestination {
      public:
        WindowDestination(frmLookList& window, TextMeasure& measure)
            : RecordingDestination(measure), window_(window) {}
        float ScaleWidth() const override;
        float ScaleHeight() const override;

      protected:
        void Draw(float x, float y, const FontSpec& font, std::string_view text,
                  LineEnd end) override;
        void Erase() override;

      private:
        frmLookList& window_;
    };

    void DrawingChanged();

    WindowDestination destination_;
    mutable QString plainText_;
    mutable bool plainTextStale_ = true;
    bool repaintPending_ = false;
};

}  // namespace tarvo
