#include "host/menus_figure_codes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/texte.h"

namespace km32 {

namespace {

constexpr int kDerniereCommande = 264;

struct CodeCommande {
    uint16_t commande;
    std::string_view code;
};

// The 251 commands that have a path code.
constexpr CodeCommande kCodes[] = {
    {1, "2-1-1-9"},     {2, "2-1-1-8"},    {3, "2-1-1-5"},     {4, "2-1-1-4"},     {5, "2-1-1-3"},
    {6, "2-1-1-6"},     {7, "2-1-1-7"},    {8, "2-1-2-3"},     {9, "2-1-2-4"},     {10, "2-1-3"},
    {11, "2-1-5-1"},    {12, "2-1-5-2"},   {13, "2-1-6-1"},    {14, "2-1-6-2"},    {15, "2-1-8"},
    {16, "2-1-9-1"},    {17, "2-1-9-2"},   {18, "2-1-9-3"},    {19, "2-1-9-4"},    {20, "2-1-9-5"},
    {21, "2-1-10"},     {22, "2-11-12"},   {23, "2-2-7-1"},    {24, "2-1-11-5"},   {25, "2-1-11-2"},
    {26, "2-1-11-3"},   {27, "2-1-11-8"},  {28, "2-1-11-9"},   {29, "2-1-11-1"},   {30, "2-2-1-1"},
    {31, "2-2-1-6"},    {32, "2-2-1-7"},   {33, "2-2-2-1"},    {34, "2-2-3-1"},    {35, "2-2-5-4"},
    {36, "2-2-5-5"},    {37, "2-2-7-2"},   {38, "2-4-4"},      {39, "2-4-2"},      {40, "2-4-3"},
    {41, "2-4-8"},      {42, "2-4-9"},     {43, "2-4-10"},     {44, "2-5-3"},      {45, "2-5-1"},
    {46, "2-5-5-1"},    {47, "2-5-5-4"},   {48, "2-5-5-2"},    {49, "2-5-5-8"},    {50, "2-5-5-7"},
    {51, "2-5-5-12"},   {52, "2-5-5-13"},  {53, "2-5-6"},      {54, "2-5-7-1"},    {55, "2-6"},
    {56, "2-7"},        {57, "2-8-1"},     {58, "2-8-2"},      {59, "2-10-1"},     {60, "2-10-3"},
    {61, "2-11-11"},    {62, "2-11-1"},    {63, "2-11-2"},     {64, "2-11-3"},     {65, "2-11-7"},
    {66, "2-11-9"},     {67, "2-11-8"},    {68, "3-5"},        {69, "3-6"},        {70, "3-7"},
    {71, "2-2-1-9"},    {72, "2-11-4"},    {73, "2-11-6"},     {74, "2-5-2"},      {75, "2-5-4"},
    {76, "2-11-5"},     {77, "3-1"},       {78, "4-4"},        {79, "4-5"},        {80, "4-6"},
    {81, "5-5"},        {82, "4-2"},       {83, "4-3"},        {84, "4-1"},        {85, "4-7"},
    {86, "4-10"},       {87, "4-11"},      {88, "5-1"},        {89, "5-2"},        {90, "5-7"},
    {91, "5-4"},        {92, "5-6"},       {93, "6-6"},        {94, "5-8"},        {95, "5-13"},
    {96, "3-3"},        {97, "3-4"},       {98, "5-10"},       {99, "3-8"},        {100, "3-9"},
    {101, "2-5-8"},     {102, "2-5-9"},    {103, "2-5-10"},    {104, "2-4-5"},     {105, "2-1-11-6"},
    {106, "6-3"},       {107, "5-9-1"},    {108, "5-9-2"},     {109, "5-9-4"},     {110, "5-9-3"},
    {111, "5-11"},      {112, "3-10"},     {113, "2-10-2"},    {114, "5-12"},      {115, "3-2"},
    {116, "5-3"},       {117, "4-9"},      {118, "6-4"},       {120, "6-5"},       {121, "6-8"},
    {122, "6-7"},       {123, "6-1"},      {124, "6-2"},       {125, "2-2-1-10"},  {126, "2-10-5"},
    {127, "2-11-13"},   {128, "2-5-7-4"},  {129, "2-5-11"},    {130, "2-2-2-2"},   {131, "2-2-7-3"},
    {132, "2-1-1-1"},   {133, "2-1-2-1"},  {134, "2-1-2-2"},   {135, "2-2-4-5"},   {136, "2-1-11-10"},
    {137, "2-1-11-7"},  {138, "2-2-4-2"},  {139, "2-1-11-4"},  {140, "2-1-11-11"}, {141, "2-2-1-2"},
    {142, "2-2-1-3"},   {143, "2-3-6"},    {144, "2-2-1-8"},   {145, "2-11-10-4"}, {146, "2-2-5-1"},
    {147, "2-2-5-2"},   {148, "2-1-1-2"},  {149, "2-11-10-1"}, {150, "2-9-1-4"},   {151, "2-2-5-3"},
    {152, "7-3"},       {153, "2-2-6"},    {154, "2-11-10-2"}, {155, "2-2-4-1"},   {156, "2-2-4-4"},
    {157, "2-3-3"},     {158, "2-3-5"},    {159, "2-4-6"},     {160, "2-4-7"},     {161, "2-1-4"},
    {162, "2-2-1-4"},   {163, "2-5-5-6"},  {164, "2-5-5-3"},   {165, "2-5-5-5"},   {166, "2-3-8"},
    {167, "2-5-5-9"},   {168, "2-5-5-10"}, {169, "2-11-10-3"}, {170, "2-10-4"},    {171, "7-6"},
    {172, "2-9-2"},     {173, "2-2-5-6"},  {174, "2-9-1-2"},   {175, "2-9-6"},     {176, "2-9-1-3"},
    {177, "7-1"},       {178, "4-8"},      {179, "7-2"},       {180, "7-7"},       {181, "2-9-1-1"},
    {182, "2-2-3-2"},   {183, "4-12"},     {184, "2-2-1-5"},   {185, "2-5-5-11"},  {186, "2-5-5-14"},
    {187, "2-4-1"},     {188, "2-9-3"},    {189, "2-1-1-10"},  {190, "2-3-4"},     {191, "2-3-9"},
    {192, "2-1-11-12"}, {193, "7-9"},      {194, "7-10"},      {195, "7-4"},       {196, "2-11-14"},
    {197, "2-9-4"},     {198, "7-5"},      {199, "4-14"},      {200, "7-8"},       {201, "2-9-5"},
    {202, "2-1-7-1"},   {203, "2-1-7-2"},  {204, "2-3-1"},     {205, "2-3-2"},     {206, "2-1-1-11"},
    {208, "2-5-5-15"},  {209, "2-2-4-3"},  {210, "2-2-5-7"},   {211, "2-9-1-5"},   {212, "2-9-1-6"},
    {213, "2-9-1-7"},   {214, "2-3-7"},    {215, "4-13"},      {216, "2-5-7-2"},   {217, "2-5-7-3"},
    {218, "2-2-8-2"},   {219, "2-2-8-1"},  {231, "6"},         {232, "2"},         {233, "3"},
    {234, "4"},         {235, "5"},        {236, "2-1"},       {237, "2-2"},       {238, "2-4"},
    {239, "2-5"},       {240, "2-1-1"},    {241, "2-1-2"},     {242, "2-1-9"},     {243, "2-1-11"},
    {244, "2-1-5"},     {245, "2-1-6"},    {246, "2-2-1"},     {247, "2-2-5"},     {248, "2-2-7"},
    {249, "2-9"},       {250, "2-3"},      {251, "2-2-4"},     {252, "2-5-5"},     {253, "2-8"},
    {254, "5-9"},       {255, "2-11"},     {256, "2-10"},      {257, "2-9-1"},     {258, "2-2-2"},
    {259, "2-2-3"},     {260, "2-5-7"},    {261, "2-1-7"},     {262, "7"},         {263, "2-11-10"},
    {264, "2-2-8"}};

std::array<std::string_view, kDerniereCommande + 1> construitTableCodes() {
    std::array<std::string_view, kDerniereCommande + 1> t{};
    for (const CodeCommande& c : kCodes)
        t[c.commande] = c.code;
    return t;
}

const std::array<std::string_view, kDerniereCommande + 1>& tableCodes() {
    static const auto t = construitTableCodes();
    return t;
}

bool commenceParCode(std::string_view code, std::string_view prefixe) {
    return code.size() > prefixe.size() && code.substr(0, prefixe.size()) == prefixe &&
           code[prefixe.size()] == '-';
}

TEnsembleCommandes ensembleDeRubrique(int rubrique) {
    TEnsembleCommandes s;
    const std::string_view prefixe = tableCodes()[std::size_t(rubrique)];
    for (int k = 1; k < 231; ++k)
        if (commenceParCode(tableCodes()[std::size_t(k)], prefixe)) s.set(std::size_t(k));
    auto ajoute = [&s](int premier, int dernier) {
        for (int k = premier; k <= dernier; ++k)
            s.set(std::size_t(k));
    };
    switch (rubrique) {
    case 233: // the three commands coded 3-5, 3-6 and 3-7 belong to 235
        s.reset(68), s.reset(69), s.reset(70);
        break;
    case 235:
        ajoute(68, 70);
        break;
    case 232:
        ajoute(232, 232), ajoute(249, 254);
        break;
    case 237:
        ajoute(232, 232), ajoute(254, 254);
        break;
    case 247:
        ajoute(232, 232);
        break;
    case 249:
        ajoute(249, 253);
        break;
    case 251:
        ajoute(254, 254);
        break;
    case 257:
        ajoute(249, 249);
        break;
    default:
        break;
    }
    return s;
}

void changeMenus(const std::string& code, TEnsembleCommandes& autorisees, uint16_t& erreur, bool autorise) {
    const uint16_t k = commandeDeCodeMenu(code);
    if (k == 0) {
        erreur = kErreurCodeMenu;
        return;
    }
    const TEnsembleCommandes s = commandesDuSousMenu(k);
    if (autorise)
        autorisees |= s;
    else
        autorisees &= ~s;
}

} // namespace

std::string codeMenuDeCommande(int commande) {
    if (commande < 1 || commande > kDerniereCommande) return {};
    return std::string(tableCodes()[std::size_t(commande)]);
}

uint16_t commandeDeCodeMenu(const std::string& code) {
    const std::string texte = coupe(code, 80);
    if (texte.empty()) return 0;
    for (int k = 1; k <= kDerniereCommande; ++k)
        if (tableCodes()[std::size_t(k)] == texte) return uint16_t(k);
    return 0;
}

bool estCommandeSimple(int commande) {
    return (commande >= 1 && commande <= 118) || (commande >= 120 && commande <= 206) ||
           (commande >= 208 && commande <= 219);
}

TEnsembleCommandes commandesDuSousMenu(int commande) {
    if (commande >= 231 && commande <= kDerniereCommande) {
        static const auto rubriques = [] {
            std::array<TEnsembleCommandes, kDerniereCommande + 1> t{};
            for (int h = 231; h <= kDerniereCommande; ++h)
                t[std::size_t(h)] = ensembleDeRubrique(h);
            return t;
        }();
        return rubriques[std::size_t(commande)];
    }
    TEnsembleCommandes s;
    if (estCommandeSimple(commande)) s.set(std::size_t(commande));
    return s;
}

void autoriseMenus(const std::string& code, TEnsembleCommandes& autorisees, uint16_t& erreur) {
    changeMenus(code, autorisees, erreur, true);
}

void interditMenus(const std::string& code, TEnsembleCommandes& autorisees, uint16_t& erreur) {
    changeMenus(code, autorisees, erreur, false);
}

std::string cleDeTriDeCode(const std::string& code) {
    std::string cle = code;
    static constexpr std::string_view nombres[] = {"10", "11", "12", "13", "14", "15"};
    for (std::size_t k = 0; k < 6; ++k)
        for (std::size_t p = cle.find(nombres[k]); p != std::string::npos; p = cle.find(nombres[k]))
            cle.replace(p, 2, 1, char('A' + k));
    std::erase(cle, '-');
    return cle;
}

std::vector<uint16_t> listeCommandesTriees() {
    // The table of codes is fixed: sorted once, as every figure written
    // with its forbidden menus asks for it.
    static const std::vector<uint16_t> triees = [] {
        std::vector<std::pair<std::string, uint16_t>> cles;
        for (int k = 1; k <= kDerniereCommande; ++k)
            if (!tableCodes()[std::size_t(k)].empty())
                cles.emplace_back(cleDeTriDeCode(std::string(tableCodes()[std::size_t(k)])), uint16_t(k));
        std::stable_sort(cles.begin(), cles.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<uint16_t> liste;
        for (const auto& c : cles)
            liste.push_back(c.second);
        return liste;
    }();
    return triees;
}

std::vector<uint16_t> codesDesMenusAutorises(TEnsembleCommandes autorisees) {
    std::vector<uint16_t> liste;
    for (const uint16_t k : listeCommandesTriees()) {
        if (liste.size() >= kMaxCommandesTriees) break;
        if (estCommandeSimple(k)) {
            if (!autorisees.test(k)) liste.push_back(k);
        } else if (k >= 230) {
            const TEnsembleCommandes s = commandesDuSousMenu(k);
            if ((s & autorisees).none()) {
                liste.push_back(k);
                autorisees |= s;
            }
        }
    }
    return liste;
}

} // namespace km32
