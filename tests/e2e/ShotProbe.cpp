// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads a screenshot of the meter and prints what the end-to-end test checks, one
// "key=value" a line: where the level marker's blue and the peak marker's green sit, and
// how many pixels carry the highlight colour of the current contestant's row. Given two
// screenshots, it prints how many pixels differ between them (-1 for different sizes).
#include <QColor>
#include <QImage>

#include <cstdio>
#include <functional>

namespace {

bool isMarkerBlue(QRgb p)
{
    return qBlue(p) > 170 && qRed(p) < 90 && qGreen(p) < 140;
}

bool isMarkerGreen(QRgb p)
{
    return qGreen(p) > 140 && qRed(p) < 90 && qBlue(p) < 110;
}

bool isHighlight(QRgb p)
{
    return qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) > 170 && qBlue(p) < 230;
}

// The mean row of the matching pixels in the columns [x0, x1), or -1 when none match.
int meanRow(const QImage& image, int x0, int x1, const std::function<bool(QRgb)>& match)
{
    long long sum = 0;
    long long count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = std::max(0, x0); x < std::min(image.width(), x1); ++x) {
            if (match(line[x])) {
                sum += y;
                ++count;
            }
        }
    }
    return count ? static_cast<int>(sum / count) : -1;
}

int countIn(const QImage& image, int x0, int x1, const std::function<bool(QRgb)>& match)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = std::max(0, x0); x < std::min(image.width(), x1); ++x)
            count += match(line[x]) ? 1 : 0;
    }
    return count;
}

QImage readShot(const char* path)
{
    return QImage(QString::fromLocal8Bit(path)).convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage& first, const QImage& second)
{
    if (first.size() != second.size())
        return -1;
    int count = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            count += first.pixel(x, y) != second.pixel(x, y) ? 1 : 0;
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s SCREENSHOT.png [OTHER.png]\n", argv[0]);
        return 2;
    }
    const QImage image = readShot(argv[1]);
    const QImage other = argc == 3 ? readShot(argv[2]) : QImage();
    if (image.isNull() || (argc == 3 && other.isNull())) {
        std::fprintf(stderr, "cannot read %s\n", argv[argc - 1]);
        return 2;
    }
    if (argc == 3) {
        std::printf("differing=%d\n", differingPixels(image, other));
        return 0;
    }
    const int w = image.width();
    // With the league table the meter group stands at the left edge: level marker, scale,
    // peak marker, 163 + 200 + 163 pixels.
    std::printf("width=%d\nheight=%d\n", w, image.height());
    std::printf("level_row=%d\n", meanRow(image, 0, 150, isMarkerBlue));
    std::printf("peak_row=%d\n", meanRow(image, 380, 520, isMarkerGreen));
    std::printf("highlight_right=%d\n", countIn(image, w / 2 + w / 4, w, isHighlight));
    std::printf("highlight_middle=%d\n", countIn(image, w / 4, w / 2 + w / 4, isHighlight));
    return 0;
}
