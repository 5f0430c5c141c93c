#pragma once
// Small text procedures on Windows-1252 texts. A maximum length given with
// an operation cuts its result there. enMajuscules is in base/texte.h.
#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

namespace km32 {

using TensembleCaracteres = std::bitset<256>;

// Smallest member among 0 to 254; 255 when there is none.
unsigned premierElementEnsemble(const std::bitset<256>& ensemble);
// Occurrences counted without overlap, left to right (0 for an empty pattern).
int nombreOccurrences(std::string_view motif, std::string_view texte);
// The same in a NUL-terminated text, counting only before position fin.
int nombreOccurrencesDansTexte(std::string_view motif, std::string_view texte, std::size_t fin);
std::string sansEspaces(std::string_view texte);
void oteEspacesBouts(std::string& texte, std::size_t longueurMax = 255);
void oteEspacesBouts80(std::string& texte);
void oteEspacesBouts10(std::string& texte);
// Replaces every occurrence of the pattern (its first 10 characters); the
// search goes on after each inserted replacement.
void remplaceChaine(std::string& texte, std::size_t longueurMax, std::string_view motif,
                    std::string_view remplacement);
void remplaceChaineLongue(std::string& texte, std::string_view motif, std::string_view remplacement);
void remplaceChaine80(std::string& texte, std::string_view motif, std::string_view remplacement);
// Cuts an object name (a letter and up to three digits, ' or ") from the
// front of the text once blanks and commas are removed.
void extraitNomEnTete(std::string& texte, std::size_t longueurMax, std::string& nom);
// The part before the first ";" goes to partie; the text keeps what follows.
void coupeAuSeparateur(std::string& texte, std::size_t longueurMax, std::string& partie);
void oteCaracteres(std::string& texte, std::size_t longueurMax, const TensembleCaracteres& ensemble);
void oteCaracteres80(std::string& texte, const TensembleCaracteres& ensemble);
void pointsVirgulesEnVirgules(std::string& texte, std::size_t longueurMax = 255);
void protegePointsVirgules(std::string& texte, std::size_t longueurMax = 255);  // ";" -> character 255
void retablitPointsVirgules(std::string& texte, std::size_t longueurMax = 255); // character 255 -> ";"
// Byte 255 stands for ";" in argument and parameter lists, so a user's own
// "ÿ" (a text shown, a label) would come out of them as ";". Around such a
// list the text is masked: each byte 255 becomes kMasque255 followed by
// 'y', and kMasque255 itself is doubled; unmasking gives back the text
// exactly. A text of a line holds no line break, but it may hold any other
// byte, hence the escape rather than a lone stand-in.
constexpr char kMasque255 = '\x1F';
std::string masqueOctets255(std::string_view texte);
std::string demasqueOctets255(std::string_view texte);
// True when the word occurs in the (NUL-terminated) text with no line break before it.
bool motDansPremiereLigne(std::string_view mot, std::string_view texte);
std::string nomSansCheminNiExtension(std::string_view nomFichier);

} // namespace km32
