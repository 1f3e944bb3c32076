// The pictures of the Appear tab's buttons, drawn rather than loaded so that they scale and
// stay legible on any style.
#pragma once

class QIcon;

namespace qm::layout {

enum class LayoutPicture {
    AlignLeft,
    AlignTop,
    AlignBottom,
    AlignRight,
    SameWidth,
    SameHeight,
    SameSize,
    SpaceHorizontal,
    SpaceVertical,
    DistributeHorizontal,
    DistributeVertical,
    FillHorizontal,
    FillVertical,
    Undo,
    Bold,
    ClearText,
};

QIcon layoutIcon(LayoutPicture picture);

} // namespace qm::layout
