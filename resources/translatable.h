#pragma once
// The plain layers keep the texts the player reads in English; the Qt shell
// translates each one by its context and English text. KLANDOR_TR_NOOP marks
// such a text where it is written and leaves it as it is, so that lupdate
// finds it (the build passes -tr-function-alias QT_TRANSLATE_NOOP+=
// KLANDOR_TR_NOOP). The context must be a string literal and the same one
// the shell looks the text up with. KLANDOR_TR_N_NOOP marks a text shown
// with a count, whose translations have one form per plural (the alias of
// QT_TRANSLATE_N_NOOP).
#define KLANDOR_TR_NOOP(context, text) text
#define KLANDOR_TR_N_NOOP(context, text) text
