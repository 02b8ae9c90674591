// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Sortie.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kest {

FichierSortie::FichierSortie(const std::string& chemin) : chemin_(chemin) {
    if (chemin == "-") {
        fd_ = STDOUT_FILENO;
        return;
    }
    // In the target's own folder, so that the rename stays on one file system and is atomic.
    const auto barre = chemin.rfind('/');
    const std::string dossier = barre == std::string::npos ? "" : chemin.substr(0, barre + 1);
    const std::string nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
    std::string modele = dossier + "." + nom + ".XXXXXX";
    std::vector<char> tampon(modele.begin(), modele.end());
    tampon.push_back('\0');
    fd_ = mkstemp(tampon.data());
    if (fd_ < 0) Echec(errno);
    temporaire_ = tampon.data();
    // mkstemp makes the file private; the picture gets the usual rights of a new file.
    const mode_t masque = umask(0);
    umask(masque);
    if (fchmod(fd_, 0666 & ~masque) != 0) Echec(errno);
}

FichierSortie::~FichierSortie() {
    if (!temporaire_.empty()) {
        if (fd_ >= 0) close(fd_);
        unlink(temporaire_.c_str());
    }
}

void FichierSortie::Ecrit(std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t n = write(fd_, octets.data(), octets.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Echec(n < 0 ? errno : EIO);
        octets.remove_prefix(std::size_t(n));
    }
}

void FichierSortie::Valide() {
    if (temporaire_.empty()) return;
    // close() is where a full disk or a network file system reports what write() did not.
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) Echec(errno);
    if (rename(temporaire_.c_str(), chemin_.c_str()) != 0) Echec(errno);
    temporaire_.clear();
}

void FichierSortie::Echec(int erreur) {
    const std::string cible = chemin_ == "-" ? "la sortie standard" : "« " + chemin_ + " »";
    throw ErreurSortie("Impossible d'écrire " + cible + " : " + std::strerror(erreur));
}

}  // namespace kest
