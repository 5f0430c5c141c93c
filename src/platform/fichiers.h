#pragma once
// Whole files in and out. File names are library texts (Windows-1252) and
// are converted for the file system here. No function throws: every failure
// is a result.
#include <cstddef>
#include <string>
#include <string_view>

namespace km32::platform {

enum class EtatLecture {
    Lu,        // the whole file is in octets
    TropGrand, // the file holds more than the limit: octets holds its first limite bytes
    Absent,    // no such file
    Illisible, // a directory, no permission, or a read error
};

struct ResultatLecture {
    EtatLecture etat = EtatLecture::Absent;
    std::string octets;
    bool lu() const { return etat == EtatLecture::Lu; }
};

// Reads a whole file, at most limite bytes.
ResultatLecture litFichier(std::string_view nom, std::size_t limite);

// Writes the bytes as the whole content of the file, so that a failure at
// any step leaves the old file as it was, and keeps what the user keeps:
//  - a symbolic link is followed (through its chain) and its target written:
//    the link stays a link;
//  - a file of one name is replaced: the bytes go into a new file beside
//    it, which takes its permissions and is then renamed over it (a crash
//    leaves the old file or the new one, never half of one);
//  - a file with several hard links is written in place, so that every name
//    still shows the same file: first a copy of its old content beside it,
//    then the file itself; on a failure the old content is written back (and
//    the copy, should that fail too, stays beside it);
//  - a file that may not be written (no write permission, for the owner as
//    for anyone: a read-only file is never replaced) is refused, as is a
//    folder or anything but a plain file.
// False on failure; erreurDerniereEcriture then says why.
bool ecritFichier(std::string_view nom, std::string_view octets);

// The system's error number (errno) of the last ecritFichier that failed,
// 0 after one that succeeded.
int erreurDerniereEcriture();

// The steps of ecritFichier, for the tests that make one of them fail.
enum class EtapeEcriture {
    CreationCopie,        // the new file (or the safe copy) beside the target is created
    EcritureCopie,        // its bytes are written
    SynchronisationCopie, // they are flushed to the disk
    Renommage,            // the new file is renamed over the target
    OuvertureCible,       // a file with several links is opened to be written in place
    EcritureCible,        // its new bytes are written
    SynchronisationCible, // they are flushed to the disk
};

// A failure made on purpose: the first time ecritFichier reaches that step,
// the step fails with that error number; a write step first really writes
// octetsAvant bytes (a short write, as on a disk that fills up). Used once.
struct PanneEcriture {
    EtapeEcriture etape = EtapeEcriture::EcritureCopie;
    int erreur = 0;
    std::size_t octetsAvant = 0;
};
// Arms a failure for the next writes (tests); retirePanneEcriture or a
// reset of the platform disarms it.
void simulePanneEcriture(const PanneEcriture& panne);
void retirePanneEcriture();
// Disarms the failure and forgets the last error (a reset of the platform).
void reinitialiseFichiers();

// Writes a picture as the whole content of a file, the same way as
// ecritFichier (a new file beside the target renamed over it, links and
// permissions kept), so that a failed write leaves the old picture as it was
// and no new file. The name is a system path (UTF-8). A target that is not a
// plain file but may be written into (a device, a pipe) holds no picture to
// keep: the bytes go straight into it. 0 when written, else the system's
// error number (errno).
int ecritImage(const std::string& chemin, std::string_view octets);

// A picture file as cairo hands it over, piece by piece: the pieces are kept
// in memory and ferme writes them whole through ecritImage. The first
// failure's system error (errno) stays in erreur; a folder that does not
// exist is one from the start, so that nothing is drawn for it.
class FichierImage {
  public:
    explicit FichierImage(std::string chemin);
    FichierImage(const FichierImage&) = delete;
    FichierImage& operator=(const FichierImage&) = delete;
    // Adds the bytes to the picture; false once anything failed.
    bool ecrit(std::string_view octets);
    // Writes the picture into its file; false when it or anything before
    // failed. A second call does nothing more.
    bool ferme();
    // Drops the picture unwritten (the drawing itself failed): the file is
    // not touched, and erreur says EIO unless something failed before.
    void abandonne();
    // errno of the first failure, 0 while none.
    int erreur() const { return erreur_; }

  private:
    std::string chemin_;
    std::string octets_;
    int erreur_ = 0;
    bool ferme_ = false;
};

// True when the name is an existing regular file.
bool fichierExiste(std::string_view nom);

// The current directory as a library text; empty when it cannot be read.
std::string repertoireCourant();

} // namespace km32::platform
