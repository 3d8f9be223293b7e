#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""Writes the table a native speaker reviews a translation from: every
Italian text of translations/brasti_<code>.ts beside its translation and the
translator's note, below the marker line of translations/README-<code>.md
(what is above the marker is the hand-written guide and stays as it is).

    scripts/review-table.py [CODE]        (default: es)

Run it by hand after the .ts file changes; it reads only the .ts file.
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

MARKER = "<!-- The table below is written by scripts/review-table.py: run it again rather than editing it. -->"

# The reviewer's own words, one entry per language: the table's headings,
# the mark of a text not yet translated, and where each context's texts
# appear (a context not listed is shown by its name).
LABELS = {
    "es": {
        "headings": ("dónde", "italiano", "traducción", "nota para el traductor"),
        "unfinished": "SIN TRADUCIR",
        "places": {
            "Accessibility": "lector de pantalla: dónde está una regleta",
            "AnswerShow": "lector de pantalla: al final de «muéstrame»",
            "CommandLine": "terminal: brasti --help",
            "CompositionScreen": "pantallas «forma»: nombres de las zonas",
            "Dialogs": "ventanas de mensaje",
            "ExerciseScreen": "todas las pantallas de ejercicio",
            "Exercises": "menú: nombre de cada ejercicio",
            "FocusSpeech": "voz del programa",
            "MenuScreen": "menú",
            "NumberToRodScreen": "«del número a la regleta»",
            "NumbersWithTenScreen": "«números hasta el 20»",
            "OrderingScreen": "pantallas «ordena»",
            "RelationScreen": "«coloca > < =»",
            "Rod": "nombre de cada regleta",
            "RodToNumberScreen": "«de la regleta al número»",
            "RowScreen": "«busca la regleta del medio / vecinas»",
            "Services": "mensajes del programa",
            "Settings": "ajustes del docente: avisos (nunca para el niño)",
            "SignScreen": "«busca el > < =»",
            "SingleRodScreen": "pantallas «forma»: nombres de las zonas",
            "Spoken": "lector de pantalla: frases del problema",
            "StartScreen": "pantalla de inicio",
            "TeacherWindow": "ventana del docente (nunca para el niño)",
            "WrittenScreen": "sumas y restas escritas",
        },
    },
    "fr": {
        "headings": ("où", "italien", "traduction", "note pour le traducteur"),
        "unfinished": "NON TRADUIT",
        "places": {
            "Accessibility": "lecteur d'écran : où est une réglette",
            "AnswerShow": "lecteur d'écran : à la fin de « montre-moi »",
            "CommandLine": "terminal : brasti --help",
            "CompositionScreen": "écrans « compose » : noms des zones",
            "Dialogs": "fenêtres de message",
            "ExerciseScreen": "tous les écrans d'exercice",
            "Exercises": "menu : nom de chaque exercice",
            "FocusSpeech": "voix du programme",
            "MenuScreen": "menu",
            "NumberToRodScreen": "« du nombre à la réglette »",
            "NumbersWithTenScreen": "« nombres jusqu'à 20 »",
            "OrderingScreen": "écrans « range »",
            "RelationScreen": "« complète > < = »",
            "Rod": "nom de chaque réglette",
            "RodToNumberScreen": "« de la réglette au nombre »",
            "RowScreen": "« trouve la réglette du milieu / les voisines »",
            "Services": "messages du programme",
            "Settings": "paramètres de l'enseignant : avertissements (jamais pour l'enfant)",
            "SignScreen": "« trouve le > < = »",
            "SingleRodScreen": "écrans « compose » : noms des zones",
            "Spoken": "lecteur d'écran : phrases du problème",
            "StartScreen": "écran d'accueil",
            "TeacherWindow": "fenêtre de l'enseignant (jamais pour l'enfant)",
            "WrittenScreen": "additions et soustractions écrites",
        },
    },
    "pt": {
        "headings": ("onde", "italiano", "tradução", "nota para o tradutor"),
        "unfinished": "SEM TRADUÇÃO",
        "places": {
            "Accessibility": "leitor de tela: onde está uma barra",
            "AnswerShow": "leitor de tela: no fim de «mostre como»",
            "CommandLine": "terminal: brasti --help",
            "CompositionScreen": "telas «forme»: nomes das áreas",
            "Dialogs": "janelas de mensagem",
            "ExerciseScreen": "todas as telas de exercício",
            "Exercises": "menu: nome de cada exercício",
            "FocusSpeech": "voz do programa",
            "MenuScreen": "menu",
            "NumberToRodScreen": "«do número à barra»",
            "NumbersWithTenScreen": "«números até 20»",
            "OrderingScreen": "telas «ordene»",
            "RelationScreen": "«coloque > < =»",
            "Rod": "nome de cada barra",
            "RodToNumberScreen": "«da barra ao número»",
            "RowScreen": "«encontre a barra do meio / as barras vizinhas»",
            "Services": "mensagens do programa",
            "Settings": "configurações do professor: avisos (nunca para a criança)",
            "SignScreen": "«encontre o > < =»",
            "SingleRodScreen": "telas «forme»: nomes das áreas",
            "Spoken": "leitor de tela: frases do problema",
            "StartScreen": "tela inicial",
            "TeacherWindow": "janela do professor (nunca para a criança)",
            "WrittenScreen": "adições e subtrações escritas",
        },
    },
}


def shown(text):
    """A text as one table cell: blanks that count made visible, lines joined."""
    if not text:
        return ""
    cell = text.replace("\\", "\\\\").replace("|", "\\|")
    # "<codice>" would be read as a tag and vanish.
    cell = re.sub(r"<(?=[A-Za-z/!?])", "&lt;", cell)
    # Leading, trailing and repeated blanks are part of the text: ␣ shows each.
    cell = re.sub(r"^ +| +$| {2,}", lambda m: "␣" * len(m.group()), cell, flags=re.M)
    return cell.replace("\n", "<br>")


def table(ts_path, labels):
    root = ET.parse(ts_path).getroot()
    rows = ["| # | " + " | ".join(labels["headings"]) + " |", "|---|---|---|---|---|"]
    number = 0
    for context in root.iter("context"):
        name = context.findtext("name", "").removeprefix("brasti::")
        for message in context.iter("message"):
            number += 1
            translation = message.find("translation")
            text = translation.text if translation is not None else ""
            if translation is not None and translation.get("type") == "unfinished":
                text = "**" + labels["unfinished"] + "** " + (text or "")
            notes = [n for n in (message.findtext("comment"), message.findtext("extracomment")) if n]
            rows.append("| {} | {} | {} | {} | {} |".format(number, labels["places"].get(name, name),
                                                        shown(message.findtext("source")), shown(text),
                                                        shown(" — ".join(notes))))
    return "\n".join(rows) + "\n"


def main():
    code = sys.argv[1] if len(sys.argv) > 1 else "es"
    top = Path(__file__).resolve().parent.parent / "translations"
    ts_path = top / f"brasti_{code}.ts"
    review = top / f"README-{code}.md"
    guide = review.read_text(encoding="utf-8") if review.exists() else ""
    guide = guide.split(MARKER)[0].rstrip("\n")
    rows = table(ts_path, LABELS[code])
    review.write_text((guide + "\n\n" if guide else "") + MARKER + "\n\n" + rows, encoding="utf-8")
    print(f"{review}: {rows.count(chr(10)) - 2} texts")


if __name__ == "__main__":
    main()
