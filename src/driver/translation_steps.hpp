// The steps that every translation takes, in one part or in several: a
// translator set up at the start of the normalised source, and the
// conversion made of what it wrote and how it ended.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/convert.hpp"
#include "driver/translator.hpp"

namespace xlat {

// The normalised source and, for each of its lines, the line of the user's
// source it begins on; shared by every translator that reads it.
struct PreparedSource {
    std::shared_ptr<const std::string> text;
    std::shared_ptr<const std::vector<long>> lines;
};

// Sets `t` to read `source` from its first line, knowing the extra type
// names of `typeNamesFile`, with the per-line speed-ups that `sharing` asks for.
void StartTranslator(Translator& t, const PreparedSource& source, std::string_view typeNamesFile,
                     const WorkSharing& sharing);

// Appends the places to touch up that `t` found to `result`, in lines of
// the user's source.
void KeepTouchUps(const Translator& t, const std::vector<long>& sourceLines, Conversion& result);

// The conversion of a translation that wrote `text` and ended in the state
// of `t`, stopped early by `fatal` when it is set; `result` holds what the
// translators before `t` (parts taken over) found to touch up.
Conversion FinishConversion(Conversion result, const Translator& t, std::string text,
                            const std::optional<FatalStop>& fatal, const std::vector<long>& sourceLines);

}  // namespace xlat
