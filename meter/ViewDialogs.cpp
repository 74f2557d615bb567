#include "meter/ViewDialogs.h"

#include "meter/GFont.h"

#include <QColorDialog>

namespace {

std::optional<FontChoice> runFontDialog(QWidget* parent, const FontChoice& start)
{
    FontDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<std::uint32_t> runColorDialog(QWidget* parent, std::uint32_t start)
{
    const QColor chosen = QColorDialog::getColor(colorFromColorRef(start), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return colorRefFromColor(chosen);
}

}  // namespace

ViewDialogs standardViewDialogs()
{
    return ViewDialogs{runFontDialog, runColorDialog};
}
