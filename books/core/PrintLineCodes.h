#pragma once

// The characters of the print-line language: an escape character, a code
// character and the code's parameters. Positions are three characters
// (MakeReal): whole inches as 0-9, A-Z (10-35) or a-z (36-61), then two
// digits of hundredths.

#include <QChar>

namespace kiv5::books {

inline constexpr char16_t EscCode = 254; // þ

inline constexpr char16_t ResetY = 231;              // ç P x
inline constexpr char16_t LnSpcCode = 232;           // è c
inline constexpr char16_t EndCenterCode = 233;       // é
inline constexpr char16_t EndJustifyCode = 234;      // ê
inline constexpr char16_t DrawBMPCode = 235;         // ë P P P P name
inline constexpr char16_t EndRightJustifyCode = 236; // ì
inline constexpr char16_t RightJustifyCode = 237;    // í P text ì
inline constexpr char16_t DrawFilledRectCode = 239;  // ï P P P P c
inline constexpr char16_t FloodFillCode = 240;       // ð P P c x y
inline constexpr char16_t CommentCode = 241;         // ñ rest
inline constexpr char16_t PenWidthCode = 242;        // ò number
inline constexpr char16_t DrawRectCode = 243;        // ó P P P P
inline constexpr char16_t DrawLineCode = 244;        // ô P P P P
inline constexpr char16_t EndTruncateCode = 245;     // õ
inline constexpr char16_t TruncateCode = 246;        // ö P text õ
inline constexpr char16_t TransparentCode = 247;     // ÷ c
inline constexpr char16_t JustifyCode = 248;         // ø text ê
inline constexpr char16_t TabCode = 249;             // ù P
inline constexpr char16_t CenterCode = 250;          // ú text é
inline constexpr char16_t SizeCode = 251;            // û c
inline constexpr char16_t StyleCode = 252;           // ü c
inline constexpr char16_t FontCode = 253;            // ý c

// The page form the centred text and the gutters are measured against.
inline constexpr double FormWidth = 8.5;
inline constexpr double FormLength = 11.0;

} // namespace kiv5::books
