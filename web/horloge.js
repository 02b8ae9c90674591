// SPDX-License-Identifier: GPL-3.0-or-later
// The clock: one AvancerTemps per interval of the speed bar while it runs; nothing runs while
// the page is hidden. The interval and its rule are the module's.
export const KestHorloge = (function () {
  // tic() runs once per interval.
  function Horloge(noyau, tic) {
    let enMarche = false;
    let minuterie = null;
    function relance() {
      if (minuterie !== null) clearInterval(minuterie);
      minuterie = enMarche && !document.hidden ? setInterval(tic, noyau.intervalle()) : null;
    }
    document.addEventListener('visibilitychange', relance);
    return {
      enMarche: () => enMarche,
      // Switching to the state it has is no switch: no restart, no tick gained or lost.
      marche(m) {
        if (m === enMarche) return;
        enMarche = m;
        relance();
      },
      intervalle(ms) {
        if (noyau.regleIntervalle(ms) && enMarche) relance();
      },
    };
  }

  return Horloge;
})();
