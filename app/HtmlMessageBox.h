#pragma once

#include <QString>

class QWidget;

// Icon values of the style argument (the Windows MB_ICON... values the callers use).
inline constexpr unsigned kMessageIconError = 0x10;
inline constexpr unsigned kMessageIconQuestion = 0x20;
inline constexpr unsigned kMessageIconWarning = 0x30;
inline constexpr unsigned kMessageIconInformation = 0x40;

// Shows text (rich text, so simple HTML is allowed) in a modal message box titled "Ovatron"
// with the icon that style names and a single OK button, and returns once it is dismissed,
// with the button that closed it (QMessageBox::Ok).
//
// helpId and timeoutSeconds are accepted for the callers' sake and ignored: the box has no
// help button, and it stays up until the operator dismisses it, so that nothing is missed
// while attention is on the stage.
int HtmlMessageBox(const QString& text, unsigned style, unsigned helpId, double timeoutSeconds,
                   QWidget* parent = nullptr);
