// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Sortie.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "model/Textes.h"

namespace kest {

namespace {

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary file's path, where a signal handler may read it: a handler may only call
// async-signal-safe functions, so no std::string and no allocation there.
// The flag is stored with release once the path is whole and loaded with acquire in the
// handler; a lock-free atomic is async-signal-safe.
char gTemporaire[PATH_MAX];
std::atomic<int> gTemporaireOuvert{0};
static_assert(std::atomic<int>::is_always_lock_free);

void Interrompu(int signal) {
    if (gTemporaireOuvert.load(std::memory_order_acquire)) unlink(gTemporaire);
    // SA_RESETHAND has put the default action back: once the handler returns, the signal,
    // blocked until then, ends the program and its parent sees which signal it was.
    raise(signal);
}

// The signal mask the program started with, which RecoitInterruptions puts back.
sigset_t gMasqueAppelant;

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

constexpr std::size_t kSuffixe = 6;  // random letters after the temporary file's dot

// Creates the temporary file "<modele>XXXXXX" with a fresh random suffix, exclusively and with
// the rights 0666 less the umask, and records its path for the signal handler. 0, or the
// system's reason. Called with the interruptions blocked.
int CreeTemporaire(const std::string& modele, std::random_device& aleatoire, int& fd) {
    static constexpr char kLettres[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::memcpy(gTemporaire, modele.c_str(), modele.size());
    gTemporaire[modele.size() + kSuffixe] = '\0';
    for (int essai = 0; essai < 100; ++essai) {
        for (std::size_t i = 0; i < kSuffixe; ++i)
            gTemporaire[modele.size() + i] = kLettres[aleatoire() % (sizeof kLettres - 1)];
        do fd = open(gTemporaire, O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            gTemporaireOuvert.store(1, std::memory_order_release);
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

}  // namespace

void ProtegeSortie() {
    const sigset_t signaux = Interruptions();
    pthread_sigmask(SIG_BLOCK, &signaux, &gMasqueAppelant);
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

void RecoitInterruptions() { pthread_sigmask(SIG_SETMASK, &gMasqueAppelant, nullptr); }

FichierSortie::FichierSortie(const std::string& chemin) : chemin_(chemin), cible_(chemin) {
    if (chemin == "-") {
        fd_ = STDOUT_FILENO;
        return;
    }
    if (const int erreur = Resout(cible_)) Echec(erreur);
    struct stat st;
    const bool existe = stat(cible_.c_str(), &st) == 0;
    if (existe && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
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
    const std::string modele = Dossier(cible_) + "." + nom + ".";
    if (modele.size() + kSuffixe >= sizeof gTemporaire) Echec(ENAMETOOLONG);
    std::random_device aleatoire;
    // No interruption between the file's creation and the handler knowing its path.
    const sigset_t signaux = Interruptions();
    sigset_t avant;
    pthread_sigmask(SIG_BLOCK, &signaux, &avant);
    const int erreur = CreeTemporaire(modele, aleatoire, fd_);
    pthread_sigmask(SIG_SETMASK, &avant, nullptr);
    if (fd_ < 0) Echec(erreur);
    temporaire_ = gTemporaire;
    // A file replaced keeps its rights as far as the file system allows; a new one has the
    // rights the umask leaves of 0666, which open() applied.
    if (existe && S_ISREG(st.st_mode)) fchmod(fd_, st.st_mode & 07777);
}

FichierSortie::~FichierSortie() { Abandonne(); }

void FichierSortie::Abandonne() {
    if (enPlace_ && fd_ >= 0) close(fd_);
    if (!temporaire_.empty()) {
        if (fd_ >= 0) close(fd_);
        unlink(temporaire_.c_str());
        gTemporaireOuvert.store(0, std::memory_order_release);
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
    // fsync() makes the bytes durable before the rename makes them the target's, so that a power
    // loss too leaves the old file or the new one whole.
    const int fd = fd_;
    fd_ = -1;
    if (!enPlace_ && fsync(fd) != 0) {
        const int raison = errno;
        close(fd);
        Echec(raison);
    }
    if (close(fd) != 0) Echec(errno);
    if (enPlace_) return;
    if (rename(temporaire_.c_str(), cible_.c_str()) != 0) Echec(errno);
    gTemporaireOuvert.store(0, std::memory_order_release);
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
