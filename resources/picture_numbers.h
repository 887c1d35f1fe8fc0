#pragma once
// Every picture the game shows is named by a number. Cell pictures (above
// 299) are shifted by the tile-set offset when they are shown; digits and
// faces never are.

namespace klandor::pic {

// The face element's own 26 x 26 smiling face, seen after every new board
// until the first face change. It is not one of the numbered pictures; this
// key only names it.
inline constexpr int kInitialFace = 100;

inline constexpr int kSmile = 101;
inline constexpr int kSmilePressed = 102;
inline constexpr int kSurprised = 103;
inline constexpr int kLost = 104;
inline constexpr int kWon = 105;

inline constexpr int kDigit0 = 200;  // digit d is kDigit0 + d
inline constexpr int kMinus = 210;

inline constexpr int kUncovered = 300;  // with n neighbouring mines: + n
inline constexpr int kCovered = 400;
inline constexpr int kFlag = 401;
inline constexpr int kMine = 402;
inline constexpr int kMineHit = 403;
inline constexpr int kWrongFlag = 404;
inline constexpr int kQuestion = 405;
inline constexpr int kQuestionPressed = 406;

inline constexpr int kCounterBox = 500;
inline constexpr int kFrameL = 501;
inline constexpr int kFrameR = 502;
inline constexpr int kFrameM = 503;
inline constexpr int kFrameCL = 504;
inline constexpr int kFrameCR = 505;
inline constexpr int kFrameB = 506;
inline constexpr int kFrameW = 507;

inline constexpr int kBestTimesBackground = 600;

// The cell sets: each one's offset from the colour set's numbers.
inline constexpr int kColourTiles = 0;
inline constexpr int kFlatTiles = 1000;
inline constexpr int kMonochromeTiles = 2000;
inline constexpr int kSolidTiles = 3000;
inline constexpr int kShadedTiles = 4000;
inline constexpr int kLandscapeTiles = 5000;
inline constexpr int kDiceTiles = 6000;
inline constexpr int kLargeColourTiles = 7000;  // 32 x 32 cells: drawn, never shown

// The sizes in pixels that the pictures are drawn to and the window is laid
// out by.
inline constexpr int kCellSide = 16;
inline constexpr int kDigitWidth = 11, kDigitHeight = 21;
inline constexpr int kInitialFaceSide = 26;  // the face element's own face
inline constexpr int kCounterBoxWidth = 41, kCounterBoxHeight = 25;
inline constexpr int kFrameSide = 12;     // the side columns' width, the bottom band's height
inline constexpr int kHeaderHeight = 55;  // the top band

}  // namespace klandor::pic
