// Every pass of the per-line chain. A pass returns nonzero to let the line go
// on to the next pass, or 0 when the line is finished.
#pragma once

#include <string>
#include <string_view>

#include "driver/translator.hpp"

namespace xlat {

// ---- line preparation (lines/) ----
int ConvertComments(Translator& t);
int ConvertIncludes(Translator& t);
int ConvertConditionals(Translator& t);

// ---- statement shaping and control flow (statements/) ----
int SplitStatement(Translator& t);
int RecognizeTypeWords(Translator& t);
int NormalizeTypes(Translator& t);
int RenameIdentifiers(Translator& t);
int TranslateIf(Translator& t);
int TranslateElse(Translator& t);
int TranslateCase(Translator& t);
int TranslateDefine(Translator& t);
int TranslateWhile(Translator& t);
int TranslateFor(Translator& t);
int HandleBraces(Translator& t);
// Moves tokens from..lastToken, each followed by a blank, in front of
// pendingText; the line then ends before them.
void MoveTokensToPending(Translator& t, int from);
// A control header (if/while/for) that holds the conditional operator is
// passed through as raw C; returns 0 when it wrote the line, 1 otherwise.
int PassRawConditionalHeader(Translator& t);

// ---- declarations (declarations/) ----
int TranslateDeclaration(Translator& t);
int TranslateInitialiser(Translator& t);
int TranslateVariables(Translator& t);
void DeclarationToDim(Translator& t, std::string& text);
int TranslateFunctionHead(Translator& t);
int CleanFunctionHead(Translator& t);
int TranslateStruct(Translator& t);
int TranslateTypedef(Translator& t);
// At the "}" (token `brace`) of the TYPE block `type`: the names after it
// name an anonymous TYPE; a typedef's are learnt, a structure's variables
// are declared by the next statement. The line then ends at the "}".
void NameTypeAtClose(Translator& t, int brace, const BlockRecord& type);
// After a nested structure's END TYPE: the lines of the TYPE block it stood
// in come back.
void RestoreOuterType(Translator& t);
int TranslateKeywords(Translator& t);

// ---- expressions and emission (expressions/) ----
void ConvertCharLiterals(Translator& t);
void RewriteExpression(Translator& t);
void ApplyOperatorTable(Translator& t);
int FindMatchingParen(const Translator& t, int index);
void FindAssignmentSpan(const Translator& t, int index, int& start, int& end);
void EmitLine(Translator& t);

// ---- driver (driver/) ----
int Tokenize(Translator& t, std::string_view delimiters);
int DispatchStatement(Translator& t);
void RenameWinMainParams(Translator& t);
int DropMainReturn(Translator& t);

}  // namespace xlat
