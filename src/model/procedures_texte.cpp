#include "model/procedures_texte.h"

#include "base/texte.h"

namespace km32 {

namespace {
std::string_view jusquAuNul(std::string_view t) {
    return t.substr(0, t.find('\0'));
}
} // namespace

unsigned premierElementEnsemble(const std::bitset<256>& ensemble) {
    for (unsigned c = 0; c < 255; ++c)
        if (ensemble.test(c)) return c;
    return 255;
}

int nombreOccurrences(std::string_view motif, std::string_view texte) {
    if (motif.empty()) return 0;
    int n = 0;
    for (std::size_t p = texte.find(motif); p != std::string_view::npos;
         p = texte.find(motif, p + motif.size()))
        ++n;
    return n;
}

int nombreOccurrencesDansTexte(std::string_view motif, std::string_view texte, std::size_t fin) {
    return nombreOccurrences(jusquAuNul(motif), jusquAuNul(texte.substr(0, fin)));
}

std::string sansEspaces(std::string_view texte) {
    std::string r;
    for (char c : texte)
        if (c != ' ') r += c;
    return r;
}

void oteEspacesBouts(std::string& texte, std::size_t longueurMax) {
    const std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos) {
        texte.clear();
        return;
    }
    texte =
        coupe(std::string_view(texte).substr(debut, texte.find_last_not_of(' ') - debut + 1), longueurMax);
}
void oteEspacesBouts80(std::string& texte) {
    oteEspacesBouts(texte, 80);
}
void oteEspacesBouts10(std::string& texte) {
    oteEspacesBouts(texte, 10);
}

void remplaceChaine(std::string& texte, std::size_t longueurMax, std::string_view motif,
                    std::string_view remplacement) {
    motif = motif.substr(0, 10);
    if (motif.empty()) return;
    std::size_t p = texte.find(motif);
    while (p != std::string::npos) {
        texte.erase(p, motif.size());
        texte.insert(p, remplacement);
        texte = coupe(texte, longueurMax);
        p = texte.find(motif, p + remplacement.size());
    }
}
void remplaceChaineLongue(std::string& texte, std::string_view motif, std::string_view remplacement) {
    remplaceChaine(texte, std::string::npos, motif, remplacement);
}
void remplaceChaine80(std::string& texte, std::string_view motif, std::string_view remplacement) {
    remplaceChaine(texte, 80, motif, remplacement);
}

void oteCaracteres(std::string& texte, std::size_t longueurMax, const TensembleCaracteres& ensemble) {
    std::string r;
    for (char c : texte)
        if (!ensemble.test(static_cast<unsigned char>(c))) r += c;
    texte = coupe(r, longueurMax);
}
void oteCaracteres80(std::string& texte, const TensembleCaracteres& ensemble) {
    oteCaracteres(texte, 80, ensemble);
}

void extraitNomEnTete(std::string& texte, std::size_t longueurMax, std::string& nom) {
    TensembleCaracteres blancsEtVirgules;
    blancsEtVirgules.set(' ');
    blancsEtVirgules.set(',');
    oteCaracteres(texte, longueurMax, blancsEtVirgules);
    nom.clear();
    if (texte.empty()) return;
    const char c = texte[0];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return;
    std::size_t n = 1;
    while (n < 4 && n < texte.size() &&
           ((texte[n] >= '0' && texte[n] <= '9') || texte[n] == '\'' || texte[n] == '"'))
        ++n;
    nom = texte.substr(0, n);
    texte.erase(0, n);
}

void coupeAuSeparateur(std::string& texte, std::size_t longueurMax, std::string& partie) {
    const std::size_t p = texte.find(';');
    if (p == std::string::npos) {
        partie = coupe(texte, longueurMax);
        texte.clear();
        return;
    }
    partie = coupe(std::string_view(texte).substr(0, p), longueurMax);
    texte = coupe(std::string_view(texte).substr(p + 1), longueurMax);
}

namespace {
void remplaceCaractere(std::string& texte, std::size_t longueurMax, char de, char vers) {
    for (char& c : texte)
        if (c == de) c = vers;
    texte = coupe(texte, longueurMax);
}
} // namespace

void pointsVirgulesEnVirgules(std::string& texte, std::size_t longueurMax) {
    remplaceCaractere(texte, longueurMax, ';', ',');
}
void protegePointsVirgules(std::string& texte, std::size_t longueurMax) {
    remplaceCaractere(texte, longueurMax, ';', '\xFF');
}
void retablitPointsVirgules(std::string& texte, std::size_t longueurMax) {
    remplaceCaractere(texte, longueurMax, '\xFF', ';');
}

std::string masqueOctets255(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (const char c : texte) {
        if (c == '\xFF') {
            r += kMasque255;
            r += 'y';
        } else if (c == kMasque255) {
            r += kMasque255;
            r += kMasque255;
        } else {
            r += c;
        }
    }
    return r;
}

std::string demasqueOctets255(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const bool paire = texte[i] == kMasque255 && i + 1 < texte.size();
        if (paire && texte[i + 1] == 'y') {
            r += '\xFF';
            ++i;
        } else if (paire && texte[i + 1] == kMasque255) {
            r += kMasque255;
            ++i;
        } else {
            r += texte[i];
        }
    }
    return r;
}

bool motDansPremiereLigne(std::string_view mot, std::string_view texte) {
    texte = jusquAuNul(texte);
    const std::size_t p = texte.find(mot);
    if (p == std::string_view::npos) return false;
    return texte.substr(0, p + 1).find_first_of("\r\n") == std::string_view::npos;
}

std::string nomSansCheminNiExtension(std::string_view nomFichier) {
    // Both directory separators count: files on this platform use "/".
    std::size_t p = nomFichier.find_last_of("\\/");
    if (p != std::string_view::npos) nomFichier.remove_prefix(p + 1);
    p = nomFichier.rfind(':');
    if (p != std::string_view::npos) nomFichier.remove_prefix(p + 1);
    return std::string(nomFichier.substr(0, nomFichier.find('.')));
}

} // namespace km32
