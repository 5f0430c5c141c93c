#include "session_show.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace km32::tests {

namespace fs = std::filesystem;

std::string contenuFichier(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool SessionShow::demarre(const std::string& prefixe, const std::string& texte, uint64_t graine) {
    dossier_ = fs::temp_directory_path() / (prefixe + "_" + std::to_string(getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dossier_);
    fs::create_directories(dossier_);
    figure_ = dossier_ / "figure.k3v";
    std::ofstream(figure_, std::ios::binary) << texte;
    ecran_ = std::make_unique<EcranX>();
    if (!ecran_->pret()) {
        erreur_ = "Xvfb did not start";
        return false;
    }
    programme_ = ecran_->lance({KM32_CLI, "show", "--seed", std::to_string(graine), figure_.string()},
                               (dossier_ / "show.log").string());
    // Its window shows the figure once it has painted.
    if (!attends([&] {
            const std::optional<Capture> c = ecran_->capture();
            return c && pixelsSombres(*c, 1, 1, 799, 599).nombre > 20;
        })) {
        erreur_ = "no figure shown: " + contenuFichier(dossier_ / "show.log");
        return false;
    }
    return true;
}

std::vector<EcranX::FenetreX> SessionShow::boites() {
    std::vector<EcranX::FenetreX> b;
    for (const EcranX::FenetreX& f : ecran_->fenetres())
        if (f.nom == "km32" && f.largeur > 50 && f.hauteur > 20) b.push_back(f);
    return b;
}

bool SessionShow::quitte() {
    // Without a window manager the keys go to the window under the pointer.
    ecran_->xdotool("mousemove 790 590");
    ecran_->xdotool("key ctrl+q");
    attends([&] { return !enCours() || boites().size() == 1; });
    if (enCours()) ecran_->xdotool("key alt+n");
    int statut = 0;
    return ecran_->attendsFin(programme_, statut);
}

SessionShow::~SessionShow() {
    if (enCours()) {
        EXPECT_TRUE(quitte()) << "km32 show did not end";
    }
    ecran_.reset();
    if (!dossier_.empty()) fs::remove_all(dossier_);
}

} // namespace km32::tests
