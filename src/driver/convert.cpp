#include "driver/convert.hpp"

#include <memory>
#include <optional>

#include "driver/line_loop.hpp"
#include "driver/translation_steps.hpp"
#include "parallel/in_parts.hpp"
#include "prepass/line_map.hpp"
#include "prepass/normalise.hpp"

namespace xlat {

namespace {

// The plain translation: the source is normalised and its lines mapped,
// then one translator runs the per-line chain from the first line to the
// last (or to a fatal stop).
Conversion TranslateInOnePart(std::string_view source, std::string* owned, std::string_view typeNamesFile,
                              const WorkSharing& sharing) {
    const PreparedSource prepared{std::make_shared<const std::string>(NormaliseSource(source)),
                                  std::make_shared<const std::vector<long>>(MapNormalisedLines(source))};
    if (owned) std::string().swap(*owned);

    Translator t;
    StartTranslator(t, prepared, typeNamesFile, sharing);
    CycleGuard guard(source.size());
    std::optional<FatalStop> fatal;
    try {
        RunLines(t, guard, std::string_view::npos);
    } catch (const FatalStop& stop) {
        fatal = stop;
    }
    return FinishConversion({}, t, std::move(t.out), fatal, *prepared.lines);
}

Conversion Translate(std::string_view source, std::string* owned, std::string_view typeNamesFile,
                     const WorkSharing& sharing) {
    if (TranslatesInParts(source.size(), sharing)) return TranslateInParts(source, owned, typeNamesFile, sharing);
    return TranslateInOnePart(source, owned, typeNamesFile, sharing);
}

}  // namespace

Conversion TranslateSource(std::string_view source, std::string_view typeNamesFile, const WorkSharing& sharing) {
    return Translate(source, nullptr, typeNamesFile, sharing);
}

Conversion TranslateOwnedSource(std::string&& source, std::string_view typeNamesFile, const WorkSharing& sharing) {
    return Translate(source, &source, typeNamesFile, sharing);
}

}  // namespace xlat
