// Every pass of the per-line chain and of the dispatcher's table. A pass
// works on the translator state and says through its result what happens
// next to the line.
#pragma once

#include "driver/pass_result.hpp"
#include "driver/translator.hpp"

namespace xlat {

// ---- comments (comments/) ----
PassResult ConvertComments(Translator& t);

// ---- #include, #if, #define (directives/) ----
PassResult ConvertIncludes(Translator& t);
PassResult ConvertConditionals(Translator& t);
PassResult TranslateDefine(Translator& t);

// ---- type words and type learning (types/) ----
PassResult RecognizeTypeWords(Translator& t);
PassResult NormalizeTypes(Translator& t);
PassResult RenameIdentifiers(Translator& t);

// ---- statements and control flow (statements/) ----
PassResult SplitStatement(Translator& t);
// A control header (if/while/for) that holds the conditional operator is
// passed through as raw C and the line is done; any other goes on.
PassResult PassRawConditionalHeader(Translator& t);
PassResult TranslateIf(Translator& t);
// "else if" becomes ELSEIF, to be looked at again.
PassResult TranslateElse(Translator& t);
PassResult TranslateCase(Translator& t);
PassResult TranslateWhile(Translator& t);
PassResult TranslateFor(Translator& t);
PassResult TranslateKeywords(Translator& t);
PassResult HandleBraces(Translator& t);

// ---- declarations (declarations/) ----
PassResult TranslateDeclaration(Translator& t);
PassResult TranslateVariables(Translator& t);
PassResult TranslateFunctionHead(Translator& t);
PassResult CleanFunctionHead(Translator& t);
PassResult TranslateStruct(Translator& t);
PassResult TranslateTypedef(Translator& t);

// ---- expressions and emission (expressions/) ----
// Ends in writing the line: the line is always done.
PassResult RewriteExpression(Translator& t);

// ---- the chain itself (driver/) ----
// Cuts the line into tokens at the driver's delimiters.
PassResult TokenizeStatement(Translator& t);
PassResult DispatchStatement(Translator& t);
// Only inside WinMain: its parameters take the names the output uses.
PassResult RenameWinMainParams(Translator& t);
// Only inside main: its return statements go.
PassResult DropMainReturn(Translator& t);

}  // namespace xlat
