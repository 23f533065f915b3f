// The translator state shared by every pass of the per-line chain.
//
// A translation is one `Translator` object: the passes are plain functions
// that receive it by reference and say through their PassResult what
// happens next to the line (driver/pass_result.hpp).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/line_source.hpp"
#include "driver/pending_text.hpp"
#include "types/type_table.hpp"

namespace xlat {

// One open block: the BASIC line that closes it and whether it was opened for
// a body that had no braces in the C source (closed with its enclosing block).
struct BlockRecord {
    std::string closer;
    int autoClose = 0;
    // A declaration line that is put in front of pendingText when the block
    // is closed (the variables declared after a structure body).
    std::string declaration;
    // The body of main or WinMain: closing it ends the renaming of WinMain's
    // parameters and the dropping of main's return statements.
    bool closesEntryPoint = false;
    // A TYPE block: where its lines begin in `out` (-1: no TYPE block), and
    // whether the names after its "}" are typedef names or variables.
    long typeStart = -1;
    bool typedefNames = false;
    // The TYPE block's lines so far, set aside while the TYPE block of a
    // structure nested in it is written (BASIC has no nested TYPE).
    std::string heldLines;

    bool operator==(const BlockRecord&) const = default;
};

// A stop that ends the translation early. The driver prints `message` and
// ends with exit code 1; `reason` says in a few words what went wrong and
// `line` is the intermediate-text line being processed when it happened.
struct FatalStop {
    std::string message;
    std::string reason;
    long line = 0;
};

// A line written through as C behind "!", and the input line it was
// written for.
struct RawLine {
    long line = 0;
    std::string text;
};

inline constexpr std::string_view kMainDelimiters = " [](){}:;,*=!-+<>/%&";

// Tokens are compared with ""sv literals: such a comparison looks at the
// sizes first, where one with a plain literal always compares characters.
using namespace std::string_view_literals;

// A conditional (#if ... #endif) that is open: its branches are
// alternatives, each translated from the block stack that stood at the
// opening directive.
struct OpenConditional {
    std::vector<BlockRecord> keptBlocks;
    std::vector<long> keptLines;
    // The opening directive stood between an IF block's "}" and the else
    // after it, and was translated before that "}": every later branch
    // starts with that "}" again.
    bool repeatsClose = false;

    bool operator==(const OpenConditional&) const = default;
};

// Everything that one line hands on to the next. It is one value, so that
// the parts of a file translated side by side can be compared whole (they
// are joined only where their states agree).
struct LineState {
    PendingText pendingText;
    std::string lineComment;

    BlockRecord pendingBlock;
    std::vector<BlockRecord> blockStack;
    // Source line (of the intermediate text) that opened each open block.
    std::vector<long> blockLines;

    int inMain = 0;
    int inWinMain = 0;
    int inTypeDef = 0;
    int beforeFirstFunction = 1;
    int backslashInString = 0;
    std::string winMainParams[4];

    // The open conditionals, innermost last.
    std::vector<OpenConditional> conditionals;

    bool operator==(const LineState&) const = default;
};

// The translator: the state a line hands on, and what lives within a line.
// Its own members are set by each line before it reads them (the tokens,
// lineText, the scratch buffers), or belong to the whole run (the files,
// the type names, the record of reconciled branches).
struct Translator : LineState {
    // ---- token buffer -------------------------------------------------
    // Slots 0..lastToken are the tokens of the current line. Slots above
    // lastToken keep whatever compaction left in them: some passes read or
    // extend past lastToken and rely on that text. Slots that were never
    // written read as empty.
    // The slot strings live on from line to line so that tokenizing a line
    // allocates nothing once their capacity suffices: `slotsInUse` counts the
    // slots written since the last ClearTokens, and every slot at or above it
    // holds an empty text.
    std::vector<std::string> tokens;
    int slotsInUse = 0;
    int lastToken = -1;

    // Token slot i, grown on demand. A negative index reads as an empty text
    // and writes to it are discarded.
    // (Both are inline: every pass calls them for every token.)
    std::string& Tok(int i) {
        if (i >= 0 && static_cast<size_t>(i) < tokens.size()) {
            if (i >= slotsInUse) slotsInUse = i + 1;  // the slots below are empty
            return tokens[static_cast<size_t>(i)];
        }
        return GrowOrDiscard(i);
    }
    // The text of token slot i, empty past the written slots or below 0.
    const std::string& TokAt(int i) const {
        if (i >= 0 && i < slotsInUse) return tokens[static_cast<size_t>(i)];
        return EmptySlot();
    }

    // Remove every token that is empty or a single blank, shifting later
    // tokens down; freed slots keep the old text of the top slot.
    void CompactTokens();
    // Insert `text` at `index`, moving tokens index..lastToken up one slot.
    void InsertToken(std::string_view text, int index);
    // The same as InsertToken(text, i) for each i of `indexes` in turn, in
    // one pass over the tokens. The indexes must be strictly decreasing and
    // none above lastToken, so each refers to the same token before and
    // after the inserts made for the ones before it.
    void InsertTokenBeforeEach(std::string_view text, const std::vector<int>& indexes);
    // lineText = tokens 0..lastToken, each followed by a blank, trailing
    // blanks stripped.
    void JoinTokens();
    // Empty every slot (start of a new tokenization).
    void ClearTokens();
    // Start of a tokenization that writes slots 0..count-1 itself: the slots
    // from count on are emptied and slots up to count-1 made to exist.
    // Returns the first slot.
    std::string* PrepareSlots(int count);
    // Scratch of the tokenizer: the tokens of the text being cut, as views
    // into it (only valid during one cut).
    std::vector<std::string_view> cutViews;
    // Scratch of the statement splitter: the text that lineText is rebuilt
    // in, and its cut of lineText as views into that text.
    std::vector<std::string_view> splitViews;
    std::string joinScratch;
    // Scratch of the keyword pass: the token indexes it inserts at.
    std::vector<int> indexScratch;

    // ---- text buffers -------------------------------------------------
    std::string lineText;
    std::string scratchText;
    // lineText was read from the input, not taken from pendingText.
    bool lineFromInput = false;
    // lineText is only the first piece of the pending text; the rest is
    // still in pendingText (see TakePendingPiece in the driver).
    bool lineGoesOn = false;
    // Whether the driver may take such a first piece at all (see
    // WorkSharing::piecesOfLongLines).
    bool piecesOfLongLines = true;
    // Whether the statement splitter may join the lines of a long statement
    // without running the passes before it again (see WorkSharing::joinShortcut).
    bool joinShortcut = true;

    // ---- blocks -------------------------------------------------------
    int BlockDepth() const { return static_cast<int>(blockStack.size()); }
    // The innermost open block, or nullptr when none is open.
    const BlockRecord* TopBlock() const { return blockStack.empty() ? nullptr : &blockStack.back(); }
    void PushBlock(const BlockRecord& record);
    // Pops the innermost block; with no open block the run stops with
    // "SYNTAX ERROR IN SOURCE OR BUG".
    BlockRecord PopBlock();
    // Set while the else look-ahead translates the directives between an IF
    // block's "}" and its else, before that "}" is handled.
    bool directivesBeforeClose = false;
    // Input lines of the #elif and #else directives at which the block stack
    // was put back because the branch before them had changed it (a record
    // of the run: parts translated side by side each keep their own).
    std::vector<long> reconciledBranches;

    // ---- files ----------------------------------------------------------
    LineSource in;    // the normalised source, read line by line
    std::string out;  // the BASIC text written so far
    TypeTable types;

    // Write one output line (a line end is added).
    void Write(std::string_view line);
    void Write2(std::string_view a, std::string_view b);

    // The places the user has to finish by hand, in input lines: every line
    // written through behind "!", and the line of every "$HEADER" mark
    // (in pairs: a macro kept as C stands between them). Output, not state
    // handed from line to line.
    std::vector<RawLine> rawLines;
    std::vector<long> headerLines;

    // Read the next line of the input (line end dropped); empty at the end.
    std::string ReadLine() { return in.ReadLine(); }
    bool AtEnd() const { return in.AtEnd(); }

    bool IsTypeName(std::string_view name) const { return types.Contains(name); }
    void AddTypeName(std::string_view name) { types.Add(name); }

    // Stops the run; `line` is the input line to name (the last one read when
    // not given).
    [[noreturn]] void Fatal(std::string_view message, std::string_view reason, long line = -1) const;

private:
    void NoteWritten(std::string_view line);
    std::string& GrowOrDiscard(int i);
    static const std::string& EmptySlot();
};

// Find the first occurrence of `pattern` in `buffer`; when the number of
// double quotes up to and including its first character is even (it stands
// outside a string literal), replace every occurrence. Returns the buffer
// as it then stands.
const std::string& ReplaceOutsideQuotes(std::string& buffer, std::string_view pattern, std::string_view replacement);

// Replaces, in `text` itself, each occurrence of `pattern` that lies outside
// string literals (a literal runs from a double quote at even parity to the
// next quote); the text is left untouched (no copy is made) when the
// pattern does not occur.
void ReplaceUnquotedInPlace(std::string& text, std::string_view pattern, std::string_view replacement);

// 1 for "static", "void" or "register" in any letter case.
int IsVoidOrStorage(std::string_view text);

}  // namespace xlat
