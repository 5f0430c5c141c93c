#include "text/source_phrases.h"

#include "phrases/phrase.h"

namespace km32 {

namespace {
SourcePhrases& source() {
    static SourcePhrases s = nullptr;
    return s;
}
} // namespace

void fixeSourcePhrases(SourcePhrases s) {
    source() = s;
}

std::string phraseDeSource(uint16_t numero) {
    SourcePhrases s = source();
    return s ? s(numero) : phraseDeNumero(numero);
}

} // namespace km32
