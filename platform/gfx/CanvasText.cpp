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

struct Line {
    std::size_t begin;
    std::size_t end;
};

bool IsBreak(char c) {
    return c == '\n' || c == '\r';
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
    Face()->Render(text, deviceX, deviceY, [&](int x, int y, std::uint8_t coverage) {
        if (deviceClip && !deviceClip->Contains({x, y})) return;
        if (!ClipContains(x, y)) return;
        Pixel& p = m_target->At(x, y);
        p = raster::Blend(p, color, coverage);
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
    Prefixed prefixed = ResolvePrefixes(text, flags);
    std::string& shown = prefixed.shown;
    const int maxWidth = rect.Width();
    auto widthOf = [&](std::size_t begin, std::size_t end) {
        return face->TextWidth(std::string_view(shown).substr(begin, end - begin));
    };

    // Split into lines: at line breaks unless single-line, and between words when they
    // would run past the right edge.
    std::vector<Line> lines;
    if (!shown.empty() && (flags & DT_SINGLELINE)) {
        lines.push_back({0, shown.size()});
    } else if (!shown.empty()) {
        for (std::size_t start = 0; start <= shown.size();) {
            std::size_t stop = start;
            while (stop < shown.size() && !IsBreak(shown[stop])) ++stop;
            if (!(flags & DT_WORDBREAK)) {
                lines.push_back({start, stop});
            } else {
                std::size_t pos = start;
                do {
                    std::size_t end = pos;
                    std::size_t scan = pos;
                    while (scan < stop) {
                        std::size_t next = scan;
                        while (next < stop && shown[next] == ' ') ++next;
                        while (next < stop && shown[next] != ' ') ++next;
                        if (end != pos && widthOf(pos, next) > maxWidth) break;
                        end = scan = next;
                    }
                    lines.push_back({pos, end});
                    pos = end;
                    while (pos < stop && shown[pos] == ' ') ++pos;
                } while (pos < stop);
            }
            if (stop >= shown.size()) break;
            start =
                stop +
                (shown[stop] == '\r' && stop + 1 < shown.size() && shown[stop + 1] == '\n' ? 2 : 1);
            if (start == shown.size()) break;
        }
    }

    // Lines that do not fit end in "..." when asked. Measuring reports the room the whole
    // text needs instead, as the rectangle is often given only to be filled in.
    const bool ellipsis = (flags & DT_END_ELLIPSIS) && !(flags & DT_CALCRECT);
    std::vector<std::string> texts;
    std::vector<int> widths;
    for (const Line& line : lines) {
        std::string lineText = shown.substr(line.begin, line.end - line.begin);
        int width = face->TextWidth(lineText);
        if (ellipsis && width > maxWidth) {
            std::size_t keep = lineText.size();
            std::string candidate = "...";
            while (keep > 0) {
                do --keep;
                while (keep > 0 && (static_cast<unsigned char>(lineText[keep]) & 0xC0) == 0x80);
                candidate = lineText.substr(0, keep) + "...";
                if (face->TextWidth(candidate) <= maxWidth) break;
            }
            lineText = candidate;
            width = face->TextWidth(lineText);
        }
        texts.push_back(std::move(lineText));
        widths.push_back(width);
    }

    const int totalHeight = static_cast<int>(lines.size()) * lineHeight;
    if (flags & DT_CALCRECT) {
        const int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
        rect.right = rect.left + widest;
        rect.bottom = rect.top + totalHeight;
        return totalHeight;
    }

    int top = rect.top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            top = (rect.top + rect.bottom - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = rect.bottom - lineHeight;
    }
    const TPoint o = m_state.origin;
    const TRect deviceRect = ToDevice(rect);
    const TRect* clip = (flags & DT_NOCLIP) ? nullptr : &deviceRect;
    const Pixel fontColor = ColorToPixel(ColorToRGB(m_state.font.color));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        int x = rect.left;
        if (flags & DT_CENTER)
            x = (rect.left + rect.right - widths[i]) / 2;
        else if (flags & DT_RIGHT)
            x = rect.right - widths[i];
        const int y = top + static_cast<int>(i) * lineHeight;
        const int dx = x + o.x;
        const int dy = y + o.y;
        if (HasBrush()) {
            TRect cell{dx, dy, dx + widths[i], dy + lineHeight};
            PaintDeviceRect(clip ? cell.Intersect(*clip) : cell, BrushPaint(false));
        }
        RenderText(dx, dy, texts[i], clip);

        // The marked character is underlined one pixel below the baseline.
        const int underlineY = dy + std::min(face->Ascent() + 1, lineHeight - 1);
        for (auto [begin, end] : prefixed.underlined) {
            if (begin < lines[i].begin || end > lines[i].end) continue;
            const std::size_t offset = begin - lines[i].begin;
            if (end - lines[i].begin > texts[i].size() ||
                texts[i].compare(offset, end - begin, shown, begin, end - begin) != 0)
                continue;  // cut off by the ellipsis
            const int ux = dx + face->TextWidth(std::string_view(texts[i]).substr(0, offset));
            const int uw = face->TextWidth(std::string_view(texts[i]).substr(offset, end - begin));
            TRect underline{ux, underlineY, ux + uw, underlineY + 1};
            if (clip) underline = underline.Intersect(*clip);
            raster::Paint paint;
            paint.color = fontColor;
            PaintDeviceRect(underline, paint);
        }
    }
    if ((flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM)))
        return top - rect.top + totalHeight;
    return totalHeight;
}

}  // namespace gfx
