#include "failure_messages.h"

#include <algorithm>
#include <array>

namespace zorvel {
namespace {

struct FailureText {
    Input input;
    Problem problem;
    const char* text; // UTF-8
};

// Too large a height cannot be typed into a 16-bit integer; too large an index comes
// from a height far too small for the weight.
constexpr std::array<FailureText, 8> failureTexts{{
    {Input::weight, Problem::notANumber, "Il peso deve essere un numero di chilogrammi, per esempio 70 o 70,5."},
    {Input::weight, Problem::notPositive, "Il peso deve essere maggiore di zero, per esempio 70 o 70,5."},
    {Input::weight, Problem::tooLarge, "Il peso è troppo grande: scrivi i chilogrammi, per esempio 70 o 70,5."},
    {Input::height, Problem::notANumber,
     "L'altezza deve essere un numero, per esempio 175 (centimetri) o 1,75 (metri)."},
    {Input::height, Problem::outOfRange,
     "L'altezza è troppo grande: scrivi i centimetri, per esempio 175, o i metri, per esempio 1,75."},
    {Input::height, Problem::notPositive,
     "L'altezza deve essere maggiore di zero, per esempio 175 (centimetri) o 1,75 (metri)."},
    {Input::height, Problem::tooLarge,
     "L'altezza è troppo piccola per questo peso: scrivi i centimetri, per esempio 175, o i metri, per esempio 1,75."},
    {Input::classPicture, Problem::missing, "La figura della classe non si può caricare: premi di nuovo Calcola."},
}};

// The bounds under the colour bar are always written by the press that reads them
// back; should they ever fail to read, the press can only be repeated.
constexpr const char* unusableScaleText =
    "I limiti della scala non sono validi: scrivi il peso e l'altezza e premi di nuovo Calcola.";

} // namespace

QString failureMessage(Failure failure) {
    const auto found = std::ranges::find_if(failureTexts, [failure](const FailureText& entry) {
        return entry.input == failure.input && entry.problem == failure.problem;
    });
    return QString::fromUtf8(found != failureTexts.end() ? found->text : unusableScaleText);
}

} // namespace zorvel
