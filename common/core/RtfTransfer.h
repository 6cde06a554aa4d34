#pragma once

// Replacing the variable codes of one page with the page's answers.
//
// Text put in for a code is never scanned for codes again: an answer that
// holds a code (a client typed "/*2/" into a note) stays as it is, and one
// that holds its own code cannot repeat without end. Font sizes in inserted
// text still count for the check boxes that follow.

#include "common/core/Answers.h"
#include "common/core/ErrorSink.h"

#include <QString>

namespace kiv5 {

// The client program's scan: every code of the page, in text order, is
// replaced by the answer of its slot formatted by the code's type character.
// Codes of slots the page does not have stay as they are.
void TransferAnswers(QString& MainBuf, const TAnswerPage& answers, const ErrorSink& errors);

// The billing program's substitution: for each slot in order, the code made
// from the slot's DAT type is replaced at its first occurrence only, with the
// font size in force there.
void TransferAnswersPerSlot(QString& MainBuf, const TAnswerPage& answers, const ErrorSink& errors);

void TransferAnswers(QString& MainBuf, const TAnswerPage& answers, DocumentProgram program,
                     const ErrorSink& errors);

} // namespace kiv5
