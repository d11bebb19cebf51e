// Text output: TextOut, TextRect and DrawText with its layout flags and "&" prefixes.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Raster.h"

namespace gfx {

namespace {

// Text with its prefix characters resolved: what is shown, and the byte ranges of the
// characters that a single "&" marked.
struct Prefixed {
    std::string shown;
    std::vector<std::pair<std::size_t, std::size_t>> underlined;  // [begin, end) in shown
};

std::size_t CharEnd(std::string_view text, std::size_t pos) {
    DecodeUtf8(text, pos);
    return pos;
}

Prefixed ResolvePrefixes(std::string_view text, unsigned flags) {
    Prefixed out;
    if (flags & DT_NOPREFIX) {
        out.shown = text;
        return out;
    }
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            const std::size_t end = CharEnd(text, i);
            out.shown.append(text.substr(i, end - i));
            i = end;
            continue;
        }
        if (i + 1 >= text.size()) break;  // a trailing "&" shows nothing
        if (text[i + 1] == '&') {
            out.shown.push_back('&');
            i += 2;
            continue;
        }
        const std::size_t end = CharEnd(text, i + 1);
        if (!(flags & DT_HIDEPREFIX))
            out.underlined.push_back({out.shown.size(), out.shown.size() + end - i - 1});
        out.shown.append(text.substr(i + 1, end - i - 1));
        i = end;
    }
    return out;
}

// One line of DrawText's output: the bytes [begin, end) of the shown text, and what is
// drawn of them (kept bytes, plus "..." when the line was shortened).
struct Line {
    std::size_t begin;
    std::size_t end;
    std::string text;
    std::size_t kept;
    int width = 0;
};

bool IsBreak(char c) {
    return c == '\n' || c == '\r';
}

// Appends the lines of one paragraph [start, stop), broken between words so that each line
// fits maxWidth; a word wider than that stays whole on a line of its own.
void BreakWords(const std::string& shown, std::size_t start, std::size_t stop, int maxWidth,
                const FontFace& face, std::vector<Line>& lines) {
    std::size_t pos = start;
    do {
        std::size_t end = pos;
        while (end < stop) {
            std::size_t next = end;
            while (next < stop && shown[next] == ' ') ++next;
            while (next < stop && shown[next] != ' ') ++next;
            if (end != pos &&
                face.TextWidth(std::string_view(shown).substr(pos, next - pos)) > maxWidth)
                break;
            end = next;
        }
        lines.push_back({pos, end, {}, 0});
        pos = end;
        while (pos < stop && shown[pos] == ' ') ++pos;
    } while (pos < stop);
}

std::vector<Line> BreakLines(const std::string& shown, unsigned flags, int maxWidth,
                             const FontFace& face) {
    std::vector<Line> lines;
    if (shown.empty()) return lines;
    if (flags & DT_SINGLELINE) {
        lines.push_back({0, shown.size(), {}, 0});
        return lines;
    }
    for (std::size_t start = 0;;) {
        std::size_t stop = start;
        while (stop < shown.size() && !IsBreak(shown[stop])) ++stop;
        if (flags & DT_WORDBREAK)
            BreakWords(shown, start, stop, maxWidth, face, lines);
        else
            lines.push_back({start, stop, {}, 0});
        if (stop >= shown.size()) break;
        const bool crlf = shown[stop] == '\r' && stop + 1 < shown.size() && shown[stop + 1] == '\n';
        start = stop + (crlf ? 2 : 1);
        if (start == shown.size()) break;
    }
    return lines;
}

// Drops characters from the end of the line until it fits with "..." after it.
void Ellipsize(Line& line, int maxWidth, const FontFace& face) {
    std::size_t keep = line.text.size();
    std::string candidate = "...";
    while (keep > 0) {
        do --keep;
        while (keep > 0 && (static_cast<unsigned char>(line.text[keep]) & 0xC0) == 0x80);
        candidate = line.text.substr(0, keep) + "...";
        if (face.TextWidth(candidate) <= maxWidth) break;
    }
    line.text = std::move(candidate);
    line.kept = keep;
    line.width = face.TextWidth(line.text);
}

}  // namespace

std::shared_ptr<const FontFace> Canvas::Face() const {
    if (!m_face || !(m_faceDesc == m_state.font)) {
        m_face = FontFace::Get(m_state.font);
        m_faceDesc = m_state.font;
    }
    return m_face;
}

void Canvas::RenderText(int deviceX, int deviceY, std::string_view text, const TRect* deviceClip) {
    const Pixel color = ColorToPixel(ColorToRGB(m_state.font.color));
    const Region& clip = DeviceClip();
    Bitmap& target = *m_target;
    // Each glyph is blended row by row into every clip rectangle it meets; the rectangles
    // do not overlap, so every covered pixel is blended once, as a pixel at a time would.
    Face()->RenderGlyphs(
        text, deviceX, deviceY,
        [&](int left, int top, int width, int height, const std::uint8_t* coverage) {
            TRect box{left, top, left + width, top + height};
            if (deviceClip) box = box.Intersect(*deviceClip);
            if (box.IsEmpty()) return;
            for (const TRect& rect : clip.Rects()) {
                if (rect.top >= box.bottom) break;
                const TRect r = rect.Intersect(box);
                for (int y = r.top; y < r.bottom; ++y)
                    raster::BlendRun(target.Row(y) + r.left,
                                     coverage + (y - top) * width + (r.left - left), r.Width(),
                                     color);
            }
        });
}

void Canvas::TextOut(int x, int y, std::string_view text) {
    const auto face = Face();
    const int width = face->TextWidth(text);
    const int dx = x + m_state.origin.x;
    const int dy = y + m_state.origin.y;
    if (HasBrush()) PaintDeviceRect({dx, dy, dx + width, dy + face->Height()}, BrushPaint(false));
    RenderText(dx, dy, text, nullptr);
    m_state.penPos = {x + width, y};
}

void Canvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    const TRect device = ToDevice(rect);
    if (HasBrush()) PaintDeviceRect(device, BrushPaint(false));
    RenderText(x + m_state.origin.x, y + m_state.origin.y, text, &device);
}

int Canvas::TextWidth(std::string_view text) const {
    return Face()->TextWidth(text);
}

int Canvas::TextHeight(std::string_view) const {
    return Face()->Height();
}

TSize Canvas::TextExtent(std::string_view text) const {
    const auto face = Face();
    return {face->TextWidth(text), face->Height()};
}

int Canvas::DrawText(std::string_view text, TRect& rect, unsigned flags) {
    const auto face = Face();
    const int lineHeight = face->Height();
    const Prefixed prefixed = ResolvePrefixes(text, flags);
    const int maxWidth = rect.Width();

    // Lines that do not fit end in "..." when asked. Measuring reports the room the whole
    // text needs instead, as the rectangle is often given only to be filled in.
    const bool ellipsis = (flags & DT_END_ELLIPSIS) && !(flags & DT_CALCRECT);
    std::vector<Line> lines = BreakLines(prefixed.shown, flags, maxWidth, *face);
    int widest = 0;
    for (Line& line : lines) {
        line.text = prefixed.shown.substr(line.begin, line.end - line.begin);
        line.kept = line.text.size();
        line.width = face->TextWidth(line.text);
        if (ellipsis && line.width > maxWidth) Ellipsize(line, maxWidth, *face);
        widest = std::max(widest, line.width);
    }

    const int totalHeight = static_cast<int>(lines.size()) * lineHeight;
    if (flags & DT_CALCRECT) {
        rect.right = rect.left + widest;
        rect.bottom = rect.top + totalHeight;
        return totalHeight;
    }

    int top = rect.top;
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        top = (rect.top + rect.bottom - lineHeight) / 2;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        top = rect.bottom - lineHeight;
    const TRect deviceRect = ToDevice(rect);
    const TRect* clip = (flags & DT_NOCLIP) ? nullptr : &deviceRect;
    raster::Paint underlinePaint;
    underlinePaint.color = ColorToPixel(ColorToRGB(m_state.font.color));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        int x = rect.left;
        if (flags & DT_CENTER)
            x = (rect.left + rect.right - line.width) / 2;
        else if (flags & DT_RIGHT)
            x = rect.right - line.width;
        const int dx = x + m_state.origin.x;
        const int dy = top + static_cast<int>(i) * lineHeight + m_state.origin.y;
        if (HasBrush()) {
            const TRect cell{dx, dy, dx + line.width, dy + lineHeight};
            PaintDeviceRect(clip ? cell.Intersect(*clip) : cell, BrushPaint(false));
        }
        RenderText(dx, dy, line.text, clip);

        // A marked character is underlined one pixel below the baseline, unless the
        // ellipsis took its place.
        const int underlineY = dy + std::min(face->Ascent() + 1, lineHeight - 1);
        for (auto [begin, end] : prefixed.underlined) {
            if (begin < line.begin || end > line.begin + line.kept) continue;
            const std::string_view drawn(line.text);
            const int ux = dx + face->TextWidth(drawn.substr(0, begin - line.begin));
            const int uw = face->TextWidth(drawn.substr(begin - line.begin, end - begin));
            const TRect underline{ux, underlineY, ux + uw, underlineY + 1};
            PaintDeviceRect(clip ? underline.Intersect(*clip) : underline, underlinePaint);
        }
    }
    if ((flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM)))
        return top - rect.top + totalHeight;
    return totalHeight;
}

}  // namespace gfx
