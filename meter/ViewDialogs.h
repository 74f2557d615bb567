#pragma once

#include "meter/FontDialog.h"

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// The modal choosers that the view's commands open. Each returns the confirmed choice, or
// nothing when the operator cancels. Tests replace them to answer without a dialog.
struct ViewDialogs {
    std::function<std::optional<FontChoice>(QWidget* parent, const FontChoice& start)> chooseFont;
    std::function<std::optional<std::uint32_t>(QWidget* parent, std::uint32_t start)> chooseColor;
};

// The real dialogs: the font dialog and Qt's colour dialog.
ViewDialogs standardViewDialogs();
