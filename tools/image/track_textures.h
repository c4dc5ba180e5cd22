// The textures of the track: tunnel wall panoramas (32 columns around the tunnel, one column =
// 1/32 of the width, column c at u = c/32), blocks, signs, gem and the turbo arrow.
#pragma once
#include "canvas.h"

namespace zvtools {

Canvas PaintTunnelWall();  // the plain wall, every column a panel
Canvas PaintSlideWall();  // the wall under a pushable block: rails the block slides on
Canvas PaintFixedBlock();  // a block that never moves
Canvas PaintPushableBlock();  // the sides of a pushable block
Canvas PaintPushFace(bool pushed);  // the front faces of a pushable block, before and after a push
enum class SignKind { Start, Finish, Checkpoint };
Canvas PaintSign(SignKind kind);  // a round sign on the tunnel axis
Canvas PaintGem();
Canvas PaintTurboArrow();  // 3 x 3 cells, forward (along the track) towards the top
Canvas PaintLogo();
Canvas PaintMetalPlate();
Canvas PaintStarfield();

}  // namespace zvtools
