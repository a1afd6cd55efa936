#!/usr/bin/env python3
"""Writes the toolbar icons (25 x 25 SVG, one per command handler).

One frame and palette for all: a soft rounded tile, dark ink, one accent
colour per toolbar. Tag buttons show their tag letters; the others a small
drawing. Run it here after changing a drawing and commit the SVG files.
"""

INK = "#1f2d3d"
PAPER = "#ffffff"
ACCENT = {"edit": "#2b6cb0", "tags": "#2f855a", "fmt": "#9c4221",
          "list": "#6b46c1", "tbl": "#b7791f", "frm": "#c53030"}


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="25" height="25" viewBox="0 0 25 25">\n'
            f'{body}\n</svg>\n')


def text(label, accent, size=None):
    size = size or {1: 15, 2: 12, 3: 9, 4: 7}.get(len(label), 7)
    return (f'<rect x="1.5" y="3.5" width="22" height="18" rx="3" fill="{PAPER}" stroke="{accent}"/>'
            f'<text x="12.5" y="{12.5 + size * 0.36:.1f}" font-family="DejaVu Sans, Liberation Sans, sans-serif" '
            f'font-weight="bold" font-size="{size}" text-anchor="middle" fill="{INK}">{label}</text>')


def page(extra="", x=5, y=2, w=15, h=21):
    return (f'<path d="M{x} {y}h{w - 5}l5 5v{h - 5}h-{w}z" fill="{PAPER}" stroke="{INK}"/>'
            f'<path d="M{x + w - 5} {y}v5h5" fill="none" stroke="{INK}"/>{extra}')


def lines(x0, x1, ys, color=INK):
    return "".join(f'<path d="M{x0} {y}H{x1}" stroke="{color}"/>' for y in ys)


E = ACCENT["edit"]
T = ACCENT["tags"]
drawings = {
    "FileNew": page(f'<path d="M12.5 10v8M8.5 14h8" stroke="{E}" stroke-width="2"/>'),
    "NewfromTemplate1Click": page(lines(8, 17, [10, 13, 16, 19], E)),
    "NewHomePage1Click": f'<path d="M3 12L12.5 3.5 22 12" fill="none" stroke="{INK}" stroke-width="1.5"/>'
                         f'<path d="M6 11v11h13V11" fill="{PAPER}" stroke="{INK}"/><rect x="11" y="15" width="4" height="7" fill="{E}"/>',
    "FileOpen": f'<path d="M2.5 6.5h7l2 2h11v13h-20z" fill="#f6e05e" stroke="{INK}"/>'
                f'<path d="M2.5 21.5l3-9h19l-3 9z" fill="#faf089" stroke="{INK}"/>',
    "OpenProjectWindow1Click": f'<rect x="2.5" y="2.5" width="8" height="5" fill="{E}" stroke="{INK}"/>'
                               f'<path d="M6.5 7.5v12h6M6.5 12.5h6" fill="none" stroke="{INK}"/>'
                               f'<rect x="12.5" y="10.5" width="9" height="4" fill="{PAPER}" stroke="{INK}"/>'
                               f'<rect x="12.5" y="17.5" width="9" height="4" fill="{PAPER}" stroke="{INK}"/>',
    "FileSave": f'<path d="M3.5 3.5h15l3 3v15h-18z" fill="{E}" stroke="{INK}"/>'
                f'<rect x="7.5" y="3.5" width="9" height="6" fill="{PAPER}" stroke="{INK}"/>'
                f'<rect x="6.5" y="13.5" width="12" height="8" fill="{PAPER}" stroke="{INK}"/>',
    "FilePrint": f'<rect x="6.5" y="2.5" width="12" height="7" fill="{PAPER}" stroke="{INK}"/>'
                 f'<rect x="2.5" y="9.5" width="20" height="9" rx="2" fill="#a0aec0" stroke="{INK}"/>'
                 f'<rect x="6.5" y="15.5" width="12" height="7" fill="{PAPER}" stroke="{INK}"/>{lines(8, 17, [18, 20])}',
    "WebPreview1Click": f'<circle cx="12.5" cy="12.5" r="9.5" fill="#bee3f8" stroke="{INK}"/>'
                        f'<ellipse cx="12.5" cy="12.5" rx="4" ry="9.5" fill="none" stroke="{INK}"/>'
                        f'<path d="M3 12.5h19M5 7.5h15M5 17.5h15" stroke="{INK}"/>',
    "EditUndo": f'<path d="M7 9.5h9a5 5 0 0 1 0 10h-6" fill="none" stroke="{E}" stroke-width="2.5"/>'
                f'<path d="M9 4L3 9.5 9 15z" fill="{E}"/>',
    "EditCut": f'<circle cx="7.5" cy="18.5" r="3" fill="none" stroke="{INK}" stroke-width="1.5"/>'
               f'<circle cx="17.5" cy="18.5" r="3" fill="none" stroke="{INK}" stroke-width="1.5"/>'
               f'<path d="M9.5 16L17 3M15.5 16L8 3" stroke="{INK}" stroke-width="1.5"/>',
    "EditCopy": page(x=3, y=2, w=12, h=15) + page(lines(12, 18, [13, 16, 19], E), x=9, y=7, w=13, h=16),
    "EditPaste": f'<rect x="3.5" y="4.5" width="14" height="18" rx="1" fill="#d69e2e" stroke="{INK}"/>'
                 f'<rect x="7.5" y="2.5" width="6" height="4" fill="#a0aec0" stroke="{INK}"/>'
                 + page(lines(13, 18, [14, 17, 20], E), x=10, y=10, w=12, h=13),
    "WindowTile": "".join(f'<rect x="{x}" y="{y}" width="9" height="9" fill="{PAPER}" stroke="{INK}"/>'
                          f'<rect x="{x}" y="{y}" width="9" height="2.5" fill="{E}"/>'
                          for x in (2.5, 13.5) for y in (2.5, 13.5)),
    "WindowCascade": "".join(f'<rect x="{d}" y="{d}" width="13" height="11" fill="{PAPER}" stroke="{INK}"/>'
                             f'<rect x="{d}" y="{d}" width="13" height="3" fill="{E}"/>' for d in (2.5, 6.5, 10.5)),
    "WindowArrange": f'<rect x="2.5" y="2.5" width="20" height="20" fill="{PAPER}" stroke="{INK}"/>'
                     + "".join(f'<rect x="{x}" y="17" width="5" height="3.5" fill="{E}"/>' for x in (4.5, 10, 15.5)),
    "HelpContents": f'<circle cx="12.5" cy="12.5" r="10" fill="{E}"/>'
                    f'<text x="12.5" y="18" font-family="DejaVu Sans, sans-serif" font-weight="bold" font-size="15" '
                    f'text-anchor="middle" fill="{PAPER}">?</text>',
    "PlugIns1Click": f'<rect x="6.5" y="9.5" width="12" height="9" rx="2" fill="{T}" stroke="{INK}"/>'
                     f'<path d="M9.5 9.5v-6M15.5 9.5v-6M12.5 18.5v5" stroke="{INK}" stroke-width="2"/>',
    "ColorChooser1Click": "".join(f'<rect x="{x}" y="{y}" width="9" height="9" fill="{c}" stroke="{INK}"/>'
                                  for x, y, c in ((2.5, 2.5, "#e53e3e"), (13.5, 2.5, "#38a169"),
                                                  (2.5, 13.5, "#3182ce"), (13.5, 13.5, "#ecc94b"))),
    "DisplayNotePad1Click": f'<rect x="4.5" y="3.5" width="16" height="19" fill="#fefcbf" stroke="{INK}"/>'
                            + lines(7, 18, [8, 11, 14, 17, 20], "#a0aec0")
                            + f'<path d="M4.5 3.5h16v3h-16z" fill="{T}"/>',
    "URLLibrary1Click": "".join(f'<rect x="{x}" y="{y}" width="4" height="{22.5 - y}" fill="{c}" stroke="{INK}"/>'
                                for x, y, c in ((3.5, 4.5, T), (8.5, 2.5, "#a0aec0"), (13.5, 5.5, T)))
                        + f'<path d="M18 5.5l3.5 1-4 16-3.5-1z" fill="#a0aec0" stroke="{INK}"/>',
    "Simple3Click": f'<rect x="2.5" y="5.5" width="20" height="14" fill="{PAPER}" stroke="{INK}"/>'
                    f'<path d="M2.5 5.5l10 8 10-8" fill="none" stroke="{T}" stroke-width="1.5"/>',
    "MailtoMe1Click": f'<rect x="2.5" y="5.5" width="20" height="14" fill="#fefcbf" stroke="{INK}"/>'
                      f'<path d="M2.5 5.5l10 8 10-8" fill="none" stroke="{INK}"/>'
                      f'<circle cx="19" cy="18" r="4.5" fill="{T}" stroke="{INK}"/>',
    "Simple2Click": f'<rect x="2.5" y="4.5" width="20" height="16" fill="#bee3f8" stroke="{INK}"/>'
                    f'<path d="M3 20l6-8 4 5 3-3 6 6z" fill="{T}"/><circle cx="17" cy="9" r="2" fill="#ecc94b"/>',
    "LastUpdated1Click": f'<circle cx="12.5" cy="12.5" r="10" fill="{PAPER}" stroke="{INK}" stroke-width="1.5"/>'
                         f'<path d="M12.5 6v7l5 3" fill="none" stroke="{T}" stroke-width="2"/>',
}

tag_labels = {
    # Edit toolbar's show/hide toggles carry their captions.
    "FileToolbar1Click": ("Edit", "edit"), "TagsToolbar1Click": ("Tag", "edit"),
    "FormattingToolbar1Click": ("Fmt", "edit"), "ListToolBarClick": ("List", "edit"),
    "TableToolbar1Click": ("Tbl", "edit"), "FormsToolbar1Click": ("Frm", "edit"),
    "Macro1Click": ("[m]", "tags"), "Symbol1Click": ("&amp;", "tags"),
    "HTMLTagsChooser1Click": ("&lt;&gt;", "tags"), "Simple1Click": ("A", "tags"),
    "GrabURLs1Click": ("URL+", "tags"), "Pick2Click": ("IMG", "tags"), "URLWizardShow": ("URL", "tags"),
    "FormsWizard1Click": ("Frm*", "frm"), "TableWizard1Click": ("Tbl*", "tbl"), "BodyWizard1Click": ("BODY", "tags"),
    "JavaWizard1Click": ("Java", "tags"), "MarkasComment1Click": ("&lt;!&gt;", "tags"),
    "HeadingLevel1Click": ("H1", "fmt"), "HeadingLevel21Click": ("H2", "fmt"), "HeadingLevel31Click": ("H3", "fmt"),
    "HeadingLevel41Click": ("H4", "fmt"), "HeadingLevel51Click": ("H5", "fmt"), "HeadingLevel61Click": ("H6", "fmt"),
    "Bold1Click": ("B", "fmt"), "Size1Click": ("Aa", "fmt"), "Center1Click": ("-C-", "fmt"), "LineBreak1Click": ("BR", "fmt"),
    "ParagraphMarkerwithEnd1Click": ("P", "fmt"), "HorizontalLine1Click": ("HR", "fmt"),
    "OrderedList1Click": ("OL", "list"), "UnorderedList1Click": ("UL", "list"), "DefinitionList1Click": ("DL", "list"),
    "Directory1Click": ("DIR", "list"), "Menu1Click": ("MN", "list"), "ListItem1Click": ("LI", "list"),
    "DefinintionTerm1Click": ("DT", "list"), "Definition1Click": ("DD", "list"),
    "TableClick": ("TBL", "tbl"), "TRClick": ("TR", "tbl"), "THClick": ("TH", "tbl"), "TDClick": ("TD", "tbl"),
    "btnFormClick": ("FORM", "frm"), "btnsubClick": ("Sub", "frm"), "btnResetClick": ("Res", "frm"),
    "btnSelectClick": ("Sel", "frm"), "btnOptionClick": ("Opt", "frm"),
}

F = ACCENT["frm"]
drawings.update({
    "Italics1Click": f'<rect x="1.5" y="3.5" width="22" height="18" rx="3" fill="{PAPER}" stroke="{ACCENT["fmt"]}"/>'
                     f'<text x="12.5" y="18" font-family="DejaVu Serif, serif" font-style="italic" font-weight="bold" '
                     f'font-size="15" text-anchor="middle" fill="{INK}">I</text>',
    "btnFTextClick": f'<rect x="2.5" y="8.5" width="20" height="8" fill="{PAPER}" stroke="{INK}"/>'
                     f'<path d="M5.5 10.5v4" stroke="{F}" stroke-width="1.5"/>',
    "btnFMultiClick": f'<rect x="2.5" y="3.5" width="20" height="18" fill="{PAPER}" stroke="{INK}"/>'
                      + lines(5, 16, [7.5, 11.5, 15.5], "#a0aec0") + f'<rect x="18.5" y="3.5" width="4" height="18" fill="#cbd5e0" stroke="{INK}"/>',
    "btnRadioClick": f'<circle cx="12.5" cy="12.5" r="8" fill="{PAPER}" stroke="{INK}" stroke-width="1.5"/>'
                     f'<circle cx="12.5" cy="12.5" r="4" fill="{F}"/>',
    "btnCheckClick": f'<rect x="4.5" y="4.5" width="16" height="16" fill="{PAPER}" stroke="{INK}" stroke-width="1.5"/>'
                     f'<path d="M7.5 12.5l4 4 7-9" fill="none" stroke="{F}" stroke-width="2.5"/>',
})

if __name__ == "__main__":
    for name, (label, bar) in tag_labels.items():
        drawings.setdefault(name, text(label, ACCENT[bar]))
    for name, body in sorted(drawings.items()):
        with open(f"{name}.svg", "w") as f:
            f.write(svg(body))
    print(len(drawings), "icons")
