#pragma once

#include "ProgramWindow.h"

#include <QString>

namespace vorlenza {

/// What the introduction, references, how-to, about, dedication and quiz windows share: a fixed
/// client size in twips, a caption bar with a close box only and a place in the centre of the
/// screen.
class CompanionWindow : public ProgramWindow {
    Q_OBJECT
public:
    /// The window's frame: a normal captioned window or a dialog-style one.
    enum class Frame { Normal, Dialog };

protected:
    CompanionWindow(Session& session, const char* name, QWidget* parent, Frame frame = Frame::Normal);

    /// Caption, background colour and fixed client size (twips); then centres the window.
    void setUpWindow(const QString& caption, const QColor& background, int widthTwips, int heightTwips);
};

} // namespace vorlenza
