// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Starts Brasti in the page: a loading line in the browser's language while
// the code arrives, a clear sentence where the browser cannot run it, and the
// service worker that keeps the site for offline use. Nothing leaves the
// computer but requests for the site's own files.
'use strict';
(function () {
    const words = {
        it: { loading: 'Caricamento di Brasti…',
              unsupported: 'Questo browser non può far funzionare Brasti: serve un browser recente con WebAssembly.',
              failed: 'Brasti non è riuscito a partire. Ricarica la pagina.' },
        en: { loading: 'Loading Brasti…',
              unsupported: 'This browser cannot run Brasti: it needs a recent browser with WebAssembly.',
              failed: 'Brasti could not start. Please reload the page.' },
        es: { loading: 'Cargando Brasti…',
              unsupported: 'Este navegador no puede abrir Brasti: hace falta un navegador reciente con WebAssembly.',
              failed: 'Brasti no ha podido arrancar. Vuelve a cargar la página.' },
        fr: { loading: 'Chargement de Brasti…',
              unsupported: 'Ce navigateur ne peut pas faire fonctionner Brasti\u00a0: il faut un navigateur récent avec WebAssembly.',
              failed: 'Brasti n\'a pas pu démarrer. Rechargez la page.' },
        pt: { loading: 'Carregando o Brasti…',
              unsupported: 'Este navegador não consegue abrir o Brasti: é preciso um navegador recente com WebAssembly.',
              failed: 'O Brasti não conseguiu iniciar. Recarregue a página.' },
    };
    // The teacher's link first (?lingua=fr), as the program reads it; then the browser's.
    const asked = new URLSearchParams(location.search).getAll('lingua').map(code => code.trim());
    const preferred = asked.concat(navigator.languages && navigator.languages.length ? navigator.languages
                                                                                      : [navigator.language || 'it'])
        .map(code => String(code).toLowerCase().split(/[-_]/)[0]);
    const language = preferred.find(code => words[code]) || 'it';
    const say = words[language];
    const status = document.getElementById('brasti-stato');
    const canvas = document.getElementById('brasti-schermo');
    document.documentElement.lang = language;
    document.querySelector('link[rel="manifest"]').href = 'manifest-' + language + '.webmanifest';

    function show(text) {
        status.textContent = text;
        status.hidden = false;
    }

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
        show(say.unsupported);
        return;
    }
    show(say.loading);

    // Kept for offline use; a page opened from a file or without the
    // worker's support simply runs without it.
    if ('serviceWorker' in navigator && location.protocol !== 'file:')
        navigator.serviceWorker.register('sw.js').catch(() => {});

    // The program calls this once its first frame is out.
    globalThis.brastiMostrato = function () {
        status.hidden = true;
    };

    function failed(reason) {
        console.error('Brasti: ' + reason);
        canvas.hidden = true;
        show(say.failed);
    }

    const code = document.createElement('script');
    code.src = 'brasti.js';
    code.onerror = () => failed('brasti.js could not be loaded');
    code.onload = () => {
        // The canvas has its size before the program measures it.
        canvas.hidden = false;
        createQtAppInstance({
            locateFile: name => name,
            preRun: [module => {
                module.qtContainerElements = [canvas];
            }],
            print: text => console.log(text),
            printErr: text => console.warn(text),
            onAbort: reason => failed(String(reason)),
            quit: (code, exception) => {
                if (code !== 0)
                    failed('exit ' + code + (exception ? ' ' + exception : ''));
            },
        }).then(module => {
            globalThis.brastiModule = module;
        }, error => failed(String(error)));
    };
    document.body.appendChild(code);
})();
