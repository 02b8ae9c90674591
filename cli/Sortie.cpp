// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Sortie.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/Textes.h"

namespace kest {

namespace {

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary file's path, where a signal handler may read it: a handler may only call
// async-signal-safe functions, so no std::string and no allocation there.
char gTemporaire[PATH_MAX];
volatile std::sig_atomic_t gTemporaireOuvert = 0;

void Interrompu(int signal) {
    if (gTemporaireOuvert) unlink(gTemporaire);
    // SA_RESETHAND has put the default action back: once the handler returns, the signal,
    // blocked until then, ends the program and its parent sees which signal it was.
    raise(signal);
}

sigset_t Interruptions() {
    sigset_t signaux;
    sigemptyset(&signaux);
    for (int s : kInterruptions) sigaddset(&signaux, s);
    return signaux;
}

std::string Dossier(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    return barre == std::string::npos ? "" : chemin.substr(0, barre + 1);
}

// Follows a chain of symbolic links to its end, which may not exist yet; a relative link is
// read from the link's own folder. 0, or the system's reason.
int Resout(std::string& chemin) {
    for (int lien = 0; lien < 40; ++lien) {  // the kernel's own limit
        struct stat st;
        if (lstat(chemin.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        char suite[PATH_MAX];
        const ssize_t n = readlink(chemin.c_str(), suite, sizeof suite);
        if (n < 0) return errno;
        if (std::size_t(n) == sizeof suite) return ENAMETOOLONG;
        chemin = suite[0] == '/' ? std::string(suite, std::size_t(n))
                                 : Dossier(chemin) + std::string(suite, std::size_t(n));
    }
    return ELOOP;
}

}  // namespace

void ProtegeSortie() {
    struct sigaction action {};
    action.sa_handler = Interrompu;
    action.sa_mask = Interruptions();
    action.sa_flags = SA_RESETHAND;
    for (int s : kInterruptions) {
        struct sigaction avant {};
        if (sigaction(s, nullptr, &avant) == 0 && avant.sa_handler == SIG_IGN) continue;
        sigaction(s, &action, nullptr);
    }
    std::signal(SIGXFSZ, SIG_IGN);
}

FichierSortie::FichierSortie(const std::string& chemin) : chemin_(chemin), cible_(chemin) {
    if (chemin == "-") {
        fd_ = STDOUT_FILENO;
        return;
    }
    if (const int erreur = Resout(cible_)) Echec(erreur);
    struct stat st;
    if (stat(cible_.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        // A device or a named pipe is written in place: a rename would put a plain file where
        // the node was. A pipe's opening waits for its reader.
        do fd_ = open(cible_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0) Echec(errno);
        enPlace_ = true;
        return;
    }
    // In the target's own folder, so that the rename stays on one file system and is atomic.
    const std::string nom = cible_.substr(Dossier(cible_).size());
    const std::string modele = Dossier(cible_) + "." + nom + ".XXXXXX";
    if (modele.size() >= sizeof gTemporaire) Echec(ENAMETOOLONG);
    // No interruption between the file's creation and the handler knowing its path.
    const sigset_t signaux = Interruptions();
    sigset_t avant;
    pthread_sigmask(SIG_BLOCK, &signaux, &avant);
    std::memcpy(gTemporaire, modele.c_str(), modele.size() + 1);
    fd_ = mkstemp(gTemporaire);
    const int erreur = errno;
    if (fd_ >= 0) gTemporaireOuvert = 1;
    pthread_sigmask(SIG_SETMASK, &avant, nullptr);
    if (fd_ < 0) Echec(erreur);
    temporaire_ = gTemporaire;
    // mkstemp makes the file private; the picture gets the usual rights of a new file.
    const mode_t masque = umask(0);
    umask(masque);
    if (fchmod(fd_, 0666 & ~masque) != 0) {
        const int raison = errno;
        Abandonne();  // a constructor that throws runs no destructor
        Echec(raison);
    }
}

FichierSortie::~FichierSortie() { Abandonne(); }

void FichierSortie::Abandonne() {
    if (enPlace_ && fd_ >= 0) close(fd_);
    if (!temporaire_.empty()) {
        if (fd_ >= 0) close(fd_);
        unlink(temporaire_.c_str());
        gTemporaireOuvert = 0;
        temporaire_.clear();
    }
    fd_ = -1;
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
    if (temporaire_.empty() && !enPlace_) return;
    // close() is where a full disk or a network file system reports what write() did not.
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) Echec(errno);
    if (enPlace_) return;
    if (rename(temporaire_.c_str(), cible_.c_str()) != 0) Echec(errno);
    gTemporaireOuvert = 0;
    temporaire_.clear();
}

void FichierSortie::Echec(int erreur) {
    if (chemin_ == "-")
        throw ErreurSortie(
            Remplit(Traduit("kest-export", "Impossible d'écrire la sortie standard : %1"),
                    {std::strerror(erreur)}));
    throw ErreurSortie(Remplit(Traduit("kest-export", "Impossible d'écrire « %1 » : %2"),
                               {chemin_, std::strerror(erreur)}));
}

}  // namespace kest
