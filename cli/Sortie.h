// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kest {

// The output cannot be written; the message names the file and gives the system's reason.
class ErreurSortie : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the picture goes. A file appears whole or not at all: the bytes go to a temporary file
// in the target's folder, renamed over the target only once all are written; a symbolic link
// is followed to the file it names and stays a link. A device or a named pipe is written in
// place, as cp does; "-" is the standard output. A new file has the rights 0666 less the umask;
// a file replaced keeps its own where the file system allows. One output at a time in the
// program (the temporary file's path is where a signal handler can find it), and the signals
// are received by the main thread (see ProtegeSortie). Throws ErreurSortie.
class FichierSortie {
public:
    explicit FichierSortie(const std::string& chemin);
    ~FichierSortie();  // removes the temporary file unless Valide() succeeded
    FichierSortie(const FichierSortie&) = delete;
    FichierSortie& operator=(const FichierSortie&) = delete;

    void Ecrit(std::string_view octets);
    void Valide();

private:
    [[noreturn]] void Echec(int erreur);
    void Abandonne();  // closes what this object opened and removes the temporary file

    std::string chemin_;      // as the user gave it, for the messages
    std::string cible_;       // the file written: the end of the chain of links
    std::string temporaire_;  // empty when the bytes go straight to their place
    int fd_ = -1;
    bool enPlace_ = false;  // a device or a pipe, opened by this object
};

// Once, in the main thread before any other thread exists: SIGINT, SIGTERM and SIGHUP remove
// the temporary file and then end the program as they would have (a signal the caller ignores
// stays ignored); SIGXFSZ is ignored, so that a write beyond the file-size limit fails and is
// reported like any other. The three are left blocked, so that the threads made until
// RecoitInterruptions() inherit the block; it gives the main thread back the mask the program
// started with, and the signals reach it there, where a FichierSortie blocks them around its
// temporary file's creation. A thread made later by the main thread inherits its mask.
void ProtegeSortie();
void RecoitInterruptions();

}  // namespace kest
