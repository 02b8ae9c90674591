// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and the modal boxes, with the desktop's keyboard: access keys, arrows, Escape,
// and the focus kept on a box's button.
export const KestMenus = (function () {
  // The modal boxes keep the focus on their button, whatever is clicked beside it, so that
  // Enter closes them as on the desktop.
  function boiteModale(d) {
    const bouton = d.querySelector('button');
    d.addEventListener('mousedown', (ev) => {
      if (!ev.target.closest('button')) {
        ev.preventDefault();
        bouton.focus();
      }
    });
    return () => {
      if (!d.open) d.showModal();
      bouton.focus();
    };
  }

  // Menus: a click on a title opens it, a choice or a click elsewhere closes it; Alt and the
  // underlined letter of a title open it, the underlined letter of an item chooses it, the
  // arrows move between items and Escape closes.
  function relie() {
    const menus = Array.from(document.querySelectorAll('.menu'));
    const lettre = (el) => {
      const u = el.querySelector('u');
      return u ? u.textContent.toLowerCase() : null;
    };
    const articles = (m) => Array.from(m.querySelectorAll('.articles button'));
    const ouvert = () => menus.find((m) => m.classList.contains('ouvert'));
    let retour = null;  // what had the focus before the keyboard opened a menu
    function ferme() {
      for (const m of menus) m.classList.remove('ouvert');
    }
    document.addEventListener('click', (ev) => {
      const titre = ev.target.closest('.titre-menu');
      for (const m of menus) {
        if (titre && m.contains(titre)) m.classList.toggle('ouvert');
        else m.classList.remove('ouvert');
      }
    });
    document.addEventListener('keydown', (ev) => {
      if (document.querySelector('dialog[open]')) return;  // a modal box holds the keyboard
      const touche = /^Key[A-Z]$/.test(ev.code) ? ev.code.slice(3).toLowerCase() : null;
      if (ev.altKey && !ev.ctrlKey && !ev.metaKey && touche) {
        const m = menus.find((x) => lettre(x.querySelector('.titre-menu')) === touche);
        if (!m) return;
        ev.preventDefault();
        if (!ouvert()) retour = document.activeElement;
        ferme();
        m.classList.add('ouvert');
        articles(m)[0].focus();
        return;
      }
      const m = ouvert();
      if (!m || ev.altKey || ev.ctrlKey || ev.metaKey) return;
      const liste = articles(m);
      const ici = liste.indexOf(document.activeElement);
      if (ev.key === 'Escape') {
        ferme();
        if (retour && retour.focus) retour.focus();
      } else if (ev.key === 'ArrowDown' || ev.key === 'ArrowUp') {
        const pas = ev.key === 'ArrowDown' ? 1 : liste.length - 1;
        liste[(Math.max(ici, 0) + pas) % liste.length].focus();
      } else if (touche && liste.some((a) => lettre(a) === touche)) {
        ferme();
        liste.find((a) => lettre(a) === touche).click();
      } else {
        return;
      }
      ev.preventDefault();
      ev.stopImmediatePropagation();
    }, true);
  }

  return { relie: relie, boiteModale: boiteModale };
})();
