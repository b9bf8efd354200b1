#pragma once

#include <QString>
#include <QWidget>

class QCloseEvent;
class Session;

/// What the introduction, references, how-to, about, dedication and quiz windows share: a fixed
/// client size in twips, a caption bar with a close box only, a place in the centre of the screen,
/// and the way back to the main window when closed through the frame.
class CompanionWindow : public QWidget {
    Q_OBJECT
public:
    /// The window's frame: a normal captioned window or a dialog-style one.
    enum class Frame { Normal, Dialog };

protected:
    CompanionWindow(Session& session, QWidget* parent, Frame frame = Frame::Normal);

    Session& session() const { return m_session; }

    /// Caption, background colour and fixed client size (twips); then centres the window.
    void setUpWindow(const QString& caption, const QColor& background, int widthTwips, int heightTwips);

    /// At the end of the program a close does nothing but accept; otherwise Form_Unload runs and
    /// the window is destroyed afterwards (the registry made it delete itself on close).
    void closeEvent(QCloseEvent* event) override;

protected slots:
    /// Closed through its frame: back to the main window.
    virtual void Form_Unload();

private:
    Session& m_session;
};
