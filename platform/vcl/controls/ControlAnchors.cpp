// Anchors: a control remembers where it stood in its parent when it was placed, and a
// resize of the parent moves or stretches it by the sides it is anchored to.
#include <algorithm>

#include "platform/vcl/controls/Control.h"
#include "platform/vcl/controls/WinControl.h"

namespace {

// One direction of the rule: the new start and length of a control that stood at Start
// with Length in a parent of Before, now that the parent measures After.
void Follow(bool LowSide, bool HighSide, int Before, int After, int& Start, int& Length) {
    const int grown = After - Before;
    if (LowSide && HighSide) {
        Length = std::max(0, Length + grown);
    } else if (HighSide) {
        Start += grown;
    } else if (!LowSide && Before > 0) {
        // Neither side: the centre keeps its place in proportion to the parent.
        const double centre = (Start + Length / 2.0) * After / Before;
        Start = static_cast<int>(centre - Length / 2.0 + 0.5);
    }
}

}  // namespace

void TControl::SetAnchors(TAnchors Value) {
    Value &= AnchorBit(akLeft) | AnchorBit(akTop) | AnchorBit(akRight) | AnchorBit(akBottom);
    if (Value == m_anchors) return;
    m_anchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    m_anchorRulesValid = false;
    // Left and top are where the control stands anyway: nothing to remember, and every
    // placement of such a control (most of them) costs nothing here.
    if (m_anchors == kDefaultAnchors || !m_parent || (ComponentState() & csLoading)) return;
    const TRect client = m_parent->GetClientRect();
    // A parent without a size yet gives no distances to keep; the first arrangement with
    // one records them.
    if (client.Width() <= 0 && client.Height() <= 0) return;
    m_anchorBounds = BoundsRect();
    m_anchorParentWidth = client.Width();
    m_anchorParentHeight = client.Height();
    m_anchorRulesValid = true;
}

TRect TControl::AnchoredBounds(int ParentWidth, int ParentHeight) const {
    int left = m_anchorBounds.left, width = m_anchorBounds.Width();
    int top = m_anchorBounds.top, height = m_anchorBounds.Height();
    Follow(m_anchors & AnchorBit(akLeft), m_anchors & AnchorBit(akRight), m_anchorParentWidth,
           ParentWidth, left, width);
    Follow(m_anchors & AnchorBit(akTop), m_anchors & AnchorBit(akBottom), m_anchorParentHeight,
           ParentHeight, top, height);
    return {left, top, left + width, top + height};
}

void TWinControl::ArrangeAnchoredControls() {
    const TRect client = GetClientRect();
    for (TControl* c : m_controls) {
        if (c->GetAlign() != alNone || c->GetAnchors() == kDefaultAnchors) continue;
        if (!c->m_anchorRulesValid) {
            c->UpdateAnchorRules();
            continue;
        }
        const TRect wanted = c->AnchoredBounds(client.Width(), client.Height());
        // The control's constraints may refuse the size; the rule stays as it was placed.
        c->m_anchorPlacing = true;
        try {
            c->SetBounds(wanted.left, wanted.top, wanted.Width(), wanted.Height());
        } catch (...) {
            c->m_anchorPlacing = false;
            throw;
        }
        c->m_anchorPlacing = false;
    }
}
