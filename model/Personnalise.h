// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The custom winding: a slot table written by hand, cell by cell, each cell a phase and signed
// turns or empty (model/Encoches.h's TableBobinage), with the state's p. It starts as a copy of
// the slot winding the "Bobinage" panel shows, so that every edit starts from a working winding;
// it may then be unbalanced, which is the lesson: its MMF, star and spectrum are those of any slot
// winding (BobinageEncoches), and DiagnosticEncoches says what is wrong with it.
//
// An edit is a function of the state that replaces its table by a new one: a table is shared by
// the copies of the state and never changed in place. Each selects the custom kind through the
// kinds' rules (ChoisirTypeBobinage): a state that refuses it throws Erreur, nothing changed.

#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Bobinage.h"
#include "model/Encoches.h"
#include "model/State.h"

namespace kest {

// The state's custom table: its own, or before the first edit a copy of the slot winding the
// panel shows (EncochesDe: no slot when its members make no winding with p).
std::shared_ptr<const TableBobinage> TablePersonnalisee(const State& s);
// The state's custom winding, made once and kept while the state keeps p and its table.
std::shared_ptr<const BobinageEncoches> PersonnaliseDe(const State& s);
// The slot winding the panel, its table and the star show: the custom one for the custom kind,
// the one laid out from the slot members otherwise.
std::shared_ptr<const BobinageEncoches> EncochesMontrees(const State& s);
// Its name: NomBobinagePersonnalise or NomBobinageEncoches.
std::string NomEncochesMontrees(const State& s);

// Sets one cell (slot 0 … Q−1, layer 0 top … couches−1) of the state's custom table and selects
// the custom kind. A cell out of the table, or a phase or turns out of range, changes nothing and
// returns false.
bool EditerCellule(State& s, int encoche, int couche, Cellule c);
// The cell a click gives: A+, A−, B+, B−, C+, C−, empty, then A+ again; its turns kept.
Cellule CelluleSuivante(const Cellule& c);
// A whole table, as a file or a link gives it, replaces the state's and selects the custom kind.
void RemplacerTable(State& s, TableBobinage table);

// The edits of a custom table to undo and redo: the tables before and after, shared.
class HistoriqueBobinage {
public:
    // To call before an edit of s: the table it has then becomes the step to undo; the steps to
    // redo are dropped. The oldest steps go beyond kEtapesMax.
    void Avant(const State& s);
    bool PeutAnnuler() const { return !annuler_.empty(); }
    bool PeutRefaire() const { return !refaire_.empty(); }
    // The table before the last edit (after the last undo) back, the custom kind selected; without
    // a step, nothing changes.
    void Annuler(State& s);
    void Refaire(State& s);
    static constexpr std::size_t kEtapesMax = 1000;

private:
    using Table = std::shared_ptr<const TableBobinage>;
    static void Echange(State& s, std::vector<Table>& depuis, std::vector<Table>& vers);
    std::vector<Table> annuler_, refaire_;
};

// What a slot winding's table tells, in the user's language, one sentence a line: the conductors
// per phase (a side of n turns is n conductors) and which phase differs, each phase whose go and
// return conductors do not balance, the working wave (order p) and the sub-harmonics (orders
// below p) that the phases fed with balanced currents give.
std::vector<std::string> DiagnosticEncoches(const BobinageEncoches& b);

// The file of a table: the header "encoche,couche,phase,spires", then one line per slot and
// layer, slots 1 … Q, layers 1 (top) and 2, the phase A, B, C or empty, signed integer turns
// (0 with an empty phase). What a spreadsheet writes is read too: a UTF-8 BOM, CRLF, ';' as the
// separator, blanks around a field, empty lines. Reading stops at the first fault and throws
// Erreur "Ligne n : why"; nothing beyond 2·kEncochesMax + 1 lines is read.
TableBobinage LitFichierBobinage(std::istream& fichier);
// The canonical file: ',' and LF, slot by slot, top layer first.
std::string EcritFichierBobinage(const TableBobinage& t);

// A table in a link: per layer one letter a cell, A B C a go side, a b c a return, '_' empty,
// followed by the turns when they are not 1; the layers separated by '.': "AcB.aCb" (Q = 3).
std::string CodeLienBobinage(const TableBobinage& t);
// Its reading; throws Erreur with the French message of the first fault.
TableBobinage LitCodeLienBobinage(std::string_view code);

// The kinds' table's row: name, maker, link and checks.
std::string NomBobinagePersonnalise(const State& s);
std::shared_ptr<const Bobinage> FabriquePersonnalise(const State& s);
void EcritLienPersonnalise(const State& s, const State& defaut, OptionsLien& options);
// Any p >= 1 with a table; before the first edit, the slot winding that it copies must exist.
void VerifiePersonnalise(const State& s, int p);
// Chosen, the custom kind takes its table (a copy of the slot winding when it has none).
void PreparePersonnalise(State& s);

}  // namespace kest
