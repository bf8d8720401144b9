#!/usr/bin/env python3
"""Builds the headless backend's dialog templates from the resource script.

Reads res/resource.h (#define lines) and res/Ravelin.rc, and writes a C++ file that defines
ui::FindDialogTemplate and ui::AllDialogTemplates (ui/DialogTemplate.h) over static tables of
every DIALOGEX template, in script order. Everything outside DIALOGEX blocks is skipped.

Templates must be written in the restricted form described at the top of Ravelin.rc. Styles
get the defaults windres gives them, so that the headless controls equal the real ones:
a CONTROL starts from WS_CHILD | WS_VISIBLE, CAPTION adds WS_CAPTION and FONT adds DS_SETFONT
to the dialog style. Anything else is refused with file:line and a reason.

    rc_to_templates.py --header resource.h --rc Ravelin.rc --output DialogTemplates.cpp
    rc_to_templates.py --header resource.h --rc Ravelin.rc --check-res Ravelin.res

The second form compares the templates with the dialogs that windres compiled into a .res
file and reports every difference (exit status 1).
"""

import argparse
import re
import struct
import sys

MASK32 = 0xFFFFFFFF

# Win32 constants the templates may use, with their values from the Windows headers.
WIN32_CONSTANTS = {
    # Window styles.
    "WS_OVERLAPPED": 0x00000000,
    "WS_POPUP": 0x80000000,
    "WS_CHILD": 0x40000000,
    "WS_MINIMIZE": 0x20000000,
    "WS_VISIBLE": 0x10000000,
    "WS_DISABLED": 0x08000000,
    "WS_CLIPSIBLINGS": 0x04000000,
    "WS_CLIPCHILDREN": 0x02000000,
    "WS_MAXIMIZE": 0x01000000,
    "WS_CAPTION": 0x00C00000,
    "WS_BORDER": 0x00800000,
    "WS_DLGFRAME": 0x00400000,
    "WS_VSCROLL": 0x00200000,
    "WS_HSCROLL": 0x00100000,
    "WS_SYSMENU": 0x00080000,
    "WS_THICKFRAME": 0x00040000,
    "WS_GROUP": 0x00020000,
    "WS_TABSTOP": 0x00010000,
    "WS_MINIMIZEBOX": 0x00020000,
    "WS_MAXIMIZEBOX": 0x00010000,
    # Extended window styles.
    "WS_EX_DLGMODALFRAME": 0x00000001,
    "WS_EX_NOPARENTNOTIFY": 0x00000004,
    "WS_EX_TOPMOST": 0x00000008,
    "WS_EX_TRANSPARENT": 0x00000020,
    "WS_EX_WINDOWEDGE": 0x00000100,
    "WS_EX_CLIENTEDGE": 0x00000200,
    "WS_EX_RIGHT": 0x00001000,
    "WS_EX_CONTROLPARENT": 0x00010000,
    "WS_EX_STATICEDGE": 0x00020000,
    # Dialog styles.
    "DS_ABSALIGN": 0x0001,
    "DS_SYSMODAL": 0x0002,
    "DS_3DLOOK": 0x0004,
    "DS_FIXEDSYS": 0x0008,
    "DS_NOFAILCREATE": 0x0010,
    "DS_LOCALEDIT": 0x0020,
    "DS_SETFONT": 0x0040,
    "DS_MODALFRAME": 0x0080,
    "DS_NOIDLEMSG": 0x0100,
    "DS_SETFOREGROUND": 0x0200,
    "DS_CONTROL": 0x0400,
    "DS_CENTER": 0x0800,
    "DS_CENTERMOUSE": 0x1000,
    "DS_CONTEXTHELP": 0x2000,
    "DS_SHELLFONT": 0x0048,
    # Static styles.
    "SS_LEFT": 0x0000,
    "SS_CENTER": 0x0001,
    "SS_RIGHT": 0x0002,
    "SS_ICON": 0x0003,
    "SS_BLACKRECT": 0x0004,
    "SS_GRAYRECT": 0x0005,
    "SS_WHITERECT": 0x0006,
    "SS_BLACKFRAME": 0x0007,
    "SS_GRAYFRAME": 0x0008,
    "SS_WHITEFRAME": 0x0009,
    "SS_SIMPLE": 0x000B,
    "SS_LEFTNOWORDWRAP": 0x000C,
    "SS_OWNERDRAW": 0x000D,
    "SS_BITMAP": 0x000E,
    "SS_ETCHEDHORZ": 0x0010,
    "SS_ETCHEDVERT": 0x0011,
    "SS_ETCHEDFRAME": 0x0012,
    "SS_NOPREFIX": 0x0080,
    "SS_NOTIFY": 0x0100,
    "SS_CENTERIMAGE": 0x0200,
    "SS_SUNKEN": 0x1000,
    "SS_ENDELLIPSIS": 0x4000,
    # Button styles.
    "BS_PUSHBUTTON": 0x0000,
    "BS_DEFPUSHBUTTON": 0x0001,
    "BS_CHECKBOX": 0x0002,
    "BS_AUTOCHECKBOX": 0x0003,
    "BS_RADIOBUTTON": 0x0004,
    "BS_3STATE": 0x0005,
    "BS_AUTO3STATE": 0x0006,
    "BS_GROUPBOX": 0x0007,
    "BS_AUTORADIOBUTTON": 0x0009,
    "BS_OWNERDRAW": 0x000B,
    "BS_LEFTTEXT": 0x0020,
    "BS_LEFT": 0x0100,
    "BS_RIGHT": 0x0200,
    "BS_CENTER": 0x0300,
    "BS_TOP": 0x0400,
    "BS_BOTTOM": 0x0800,
    "BS_VCENTER": 0x0C00,
    "BS_PUSHLIKE": 0x1000,
    "BS_MULTILINE": 0x2000,
    "BS_NOTIFY": 0x4000,
    "BS_FLAT": 0x8000,
    # Edit styles.
    "ES_LEFT": 0x0000,
    "ES_CENTER": 0x0001,
    "ES_RIGHT": 0x0002,
    "ES_MULTILINE": 0x0004,
    "ES_UPPERCASE": 0x0008,
    "ES_LOWERCASE": 0x0010,
    "ES_PASSWORD": 0x0020,
    "ES_AUTOVSCROLL": 0x0040,
    "ES_AUTOHSCROLL": 0x0080,
    "ES_NOHIDESEL": 0x0100,
    "ES_READONLY": 0x0800,
    "ES_WANTRETURN": 0x1000,
    "ES_NUMBER": 0x2000,
    # Combo box styles.
    "CBS_SIMPLE": 0x0001,
    "CBS_DROPDOWN": 0x0002,
    "CBS_DROPDOWNLIST": 0x0003,
    "CBS_OWNERDRAWFIXED": 0x0010,
    "CBS_AUTOHSCROLL": 0x0040,
    "CBS_SORT": 0x0100,
    "CBS_HASSTRINGS": 0x0200,
    "CBS_NOINTEGRALHEIGHT": 0x0400,
    "CBS_DISABLENOSCROLL": 0x0800,
    # List box styles.
    "LBS_NOTIFY": 0x0001,
    "LBS_SORT": 0x0002,
    "LBS_HASSTRINGS": 0x0040,
    "LBS_NOINTEGRALHEIGHT": 0x0100,
    # List view styles.
    "LVS_ICON": 0x0000,
    "LVS_REPORT": 0x0001,
    "LVS_SMALLICON": 0x0002,
    "LVS_LIST": 0x0003,
    "LVS_SINGLESEL": 0x0004,
    "LVS_SHOWSELALWAYS": 0x0008,
    "LVS_SORTASCENDING": 0x0010,
    "LVS_SORTDESCENDING": 0x0020,
    "LVS_SHAREIMAGELISTS": 0x0040,
    "LVS_NOLABELWRAP": 0x0080,
    "LVS_AUTOARRANGE": 0x0100,
    "LVS_EDITLABELS": 0x0200,
    "LVS_NOSCROLL": 0x2000,
    "LVS_NOCOLUMNHEADER": 0x4000,
    "LVS_NOSORTHEADER": 0x8000,
    # Tree view styles.
    "TVS_HASBUTTONS": 0x0001,
    "TVS_HASLINES": 0x0002,
    "TVS_LINESATROOT": 0x0004,
    "TVS_EDITLABELS": 0x0008,
    "TVS_DISABLEDRAGDROP": 0x0010,
    "TVS_SHOWSELALWAYS": 0x0020,
    "TVS_NOTOOLTIPS": 0x0080,
    "TVS_CHECKBOXES": 0x0100,
    "TVS_TRACKSELECT": 0x0200,
    "TVS_SINGLEEXPAND": 0x0400,
    "TVS_FULLROWSELECT": 0x1000,
    # Date and time picker styles.
    "DTS_SHORTDATEFORMAT": 0x0000,
    "DTS_UPDOWN": 0x0001,
    "DTS_SHOWNONE": 0x0002,
    "DTS_LONGDATEFORMAT": 0x0004,
    "DTS_TIMEFORMAT": 0x0009,
    "DTS_SHORTDATECENTURYFORMAT": 0x000C,
    "DTS_RIGHTALIGN": 0x0020,
    # Up-down styles.
    "UDS_WRAP": 0x0001,
    "UDS_SETBUDDYINT": 0x0002,
    "UDS_ALIGNRIGHT": 0x0004,
    "UDS_ALIGNLEFT": 0x0008,
    "UDS_AUTOBUDDY": 0x0010,
    "UDS_ARROWKEYS": 0x0020,
    "UDS_HORZ": 0x0040,
    "UDS_NOTHOUSANDS": 0x0080,
}

# Window classes a template may name, by their lower-case spelling. Class names are
# case-insensitive to Windows; the generated tables always use the spelling on the right.
KNOWN_CLASSES = {
    name.lower(): name
    for name in (
        "Button",
        "Edit",
        "Static",
        "ComboBox",
        "ListBox",
        "ScrollBar",
        "SysTreeView32",
        "SysListView32",
        "SysIPAddress32",
        "SysDateTimePick32",
        "msctls_updown32",
        "msctls_trackbar32",
        "msctls_progress32",
    )
}

# Predefined classes that a .res may name by ordinal.
CLASS_ORDINALS = {0x80: "Button", 0x81: "Edit", 0x82: "Static", 0x83: "ListBox", 0x84: "ScrollBar",
                  0x85: "ComboBox"}

WS_CHILD = WIN32_CONSTANTS["WS_CHILD"]
WS_VISIBLE = WIN32_CONSTANTS["WS_VISIBLE"]
WS_CAPTION = WIN32_CONSTANTS["WS_CAPTION"]
DS_SETFONT = WIN32_CONSTANTS["DS_SETFONT"]
CONTROL_DEFAULT_STYLE = WS_CHILD | WS_VISIBLE


class RcError(Exception):
    def __init__(self, where, message):
        super().__init__("%s: error: %s" % (where, message))


class Token:
    __slots__ = ("kind", "value", "where")

    def __init__(self, kind, value, where):
        self.kind = kind  # "name", "number", "string", "punct"
        self.value = value
        self.where = where

    def is_punct(self, value):
        return self.kind == "punct" and self.value == value

    def is_word(self, value):
        return self.kind == "name" and self.value == value

    def __repr__(self):
        return "%s %r" % (self.kind, self.value)


TOKEN_RE = re.compile(
    r"""
    (?P<space>[ \t\r\f\v]+)
  | (?P<string>L?"(?:[^"\\\n]|\\.|"")*")
  | (?P<number>(?:0[xX][0-9A-Fa-f]+|[0-9]+)[uUlL]*)
  | (?P<name>[A-Za-z_][A-Za-z0-9_]*)
  | (?P<punct><<|>>|[,|&^~+\-*/%()!])
    """,
    re.VERBOSE,
)


def strip_comments(text, path):
    """The text with comments replaced by spaces, line breaks kept (so lines still count)."""
    out = []
    i = 0
    n = len(text)
    line = 1
    while i < n:
        ch = text[i]
        if ch == '"':
            j = i + 1
            while j < n:
                if text[j] == "\\":
                    j += 2
                    continue
                if text[j] == '"':
                    if j + 1 < n and text[j + 1] == '"':
                        j += 2
                        continue
                    break
                if text[j] == "\n":
                    raise RcError("%s:%d" % (path, line), "unterminated string")
                j += 1
            out.append(text[i : j + 1])
            i = j + 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" ")
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            if j < 0:
                raise RcError("%s:%d" % (path, line), "unterminated comment")
            block = text[i : j + 2]
            out.append("\n" * block.count("\n") or " ")
            line += block.count("\n")
            i = j + 2
        else:
            if ch == "\n":
                line += 1
            out.append(ch)
            i += 1
    return "".join(out)


def tokenize_line(text, where):
    tokens = []
    pos = 0
    while pos < len(text):
        m = TOKEN_RE.match(text, pos)
        if not m:
            raise RcError(where, "unexpected character %r" % text[pos])
        kind = m.lastgroup
        if kind != "space":
            tokens.append(Token(kind, m.group(kind), where))
        pos = m.end()
    return tokens


def parse_number(token):
    digits = token.value.rstrip("uUlL")
    if digits.lower().startswith("0x"):
        return int(digits, 16)
    if len(digits) > 1 and digits.startswith("0"):
        return int(digits, 8)
    return int(digits, 10)


def parse_string(token):
    """The text of a string literal, with the escapes that windres and the Windows rc agree on."""
    body = token.value[1:] if token.value.startswith("L") else token.value
    body = body[1:-1]
    out = []
    i = 0
    while i < len(body):
        ch = body[i]
        if ch == '"':  # "" stands for one quote
            out.append('"')
            i += 2
        elif ch == "\\":
            esc = body[i + 1]
            if esc not in "nt\\":
                raise RcError(token.where, "unsupported escape \\%s in a string" % esc)
            out.append({"n": "\n", "t": "\t", "\\": "\\"}[esc])
            i += 2
        else:
            out.append(ch)
            i += 1
    return "".join(out)


class Macros:
    """Object-like #defines of resource.h plus the built-in Win32 constants."""

    def __init__(self):
        self.defines = {}  # name -> list of tokens

    def load_header(self, path):
        with open(path, encoding="utf-8") as f:
            text = strip_comments(f.read(), path)
        for number, line in enumerate(text.split("\n"), start=1):
            where = "%s:%d" % (path, number)
            stripped = line.strip()
            if not stripped:
                continue
            if not stripped.startswith("#"):
                raise RcError(where, "only preprocessor lines are allowed in a resource header")
            m = re.match(r"#\s*(\w+)\s*(.*)$", stripped)
            directive, rest = (m.group(1), m.group(2)) if m else ("", "")
            if directive in ("ifndef", "endif", "pragma"):
                continue
            if directive != "define":
                raise RcError(where, "unsupported directive #%s" % directive)
            m = re.match(r"([A-Za-z_]\w*)(\(?)(.*)$", rest)
            if not m:
                raise RcError(where, "malformed #define")
            if m.group(2):
                raise RcError(where, "function-like macro %s is not supported" % m.group(1))
            self.defines[m.group(1)] = tokenize_line(m.group(3), where)

    def expand(self, token, hidden=frozenset()):
        """The tokens a name stands for (recursively), or None if it is no macro."""
        name = token.value
        if token.kind != "name" or name in hidden:
            return None
        if name in self.defines:
            out = []
            for t in self.defines[name]:
                t = Token(t.kind, t.value, token.where)
                sub = self.expand(t, hidden | {name})
                out.extend(sub if sub is not None else [t])
            return out
        if name in WIN32_CONSTANTS:
            return [Token("number", str(WIN32_CONSTANTS[name]), token.where)]
        return None


class TokenStream:
    """Tokens of a block of the script, macros expanded as the preprocessor would."""

    def __init__(self, tokens, macros, end_where):
        self.pending = list(reversed(tokens))
        self.macros = macros
        self.end_where = end_where

    def peek(self):
        while self.pending:
            token = self.pending[-1]
            expansion = self.macros.expand(token)
            if expansion is None:
                return token
            self.pending.pop()
            self.pending.extend(reversed(expansion))
        return None

    def next(self, what="a token"):
        token = self.peek()
        if token is None:
            raise RcError(self.end_where, "unexpected end of file, expected %s" % what)
        return self.pending.pop()

    def expect_punct(self, value):
        token = self.next("'%s'" % value)
        if not token.is_punct(value):
            raise RcError(token.where, "expected '%s', found %s" % (value, token.value))

    def expect_word(self, value):
        token = self.next(value)
        if not token.is_word(value):
            raise RcError(token.where, "expected %s, found %s" % (value, token.value))

    def at_punct(self, value):
        token = self.peek()
        return token is not None and token.is_punct(value)

    # C expressions: | ^ & << >> + - * / % and unary - ~ +, on 32-bit values.
    BINARY = [("|",), ("^",), ("&",), ("<<", ">>"), ("+", "-"), ("*", "/", "%")]

    def expression(self, level=0):
        if level == len(self.BINARY):
            return self.unary()
        value = self.expression(level + 1)
        while True:
            token = self.peek()
            if token is None or token.kind != "punct" or token.value not in self.BINARY[level]:
                return value
            self.next()
            rhs = self.expression(level + 1)
            value = self.apply(token, value, rhs)

    @staticmethod
    def apply(token, a, b):
        op = token.value
        if op in ("/", "%") and b == 0:
            raise RcError(token.where, "division by zero")
        if op == "/":
            return int(a / b)
        if op == "%":
            return a - int(a / b) * b
        return {
            "|": lambda: a | b,
            "^": lambda: a ^ b,
            "&": lambda: a & b,
            "<<": lambda: a << b,
            ">>": lambda: a >> b,
            "+": lambda: a + b,
            "-": lambda: a - b,
            "*": lambda: a * b,
        }[op]()

    def unary(self):
        token = self.next("a number")
        if token.is_punct("-"):
            return -self.unary()
        if token.is_punct("+"):
            return self.unary()
        if token.is_punct("~"):
            return ~self.unary()
        if token.is_punct("("):
            value = self.expression()
            self.expect_punct(")")
            return value
        if token.kind == "number":
            return parse_number(token)
        if token.kind == "name":
            raise RcError(token.where, "unknown name %s" % token.value)
        raise RcError(token.where, "expected a number, found %s" % token.value)

    def style(self, default):
        """A style expression: terms joined by '|', NOT clearing bits from what is set so far."""
        style = default
        while True:
            clear = False
            token = self.peek()
            if token is not None and token.is_word("NOT"):
                self.next()
                clear = True
            token = self.peek()
            if token is not None and token.is_punct("("):
                self.next()
                value = self.expression()
                self.expect_punct(")")
            else:
                value = self.unary()
            style = style & ~value if clear else style | value
            if not self.at_punct("|"):
                return style & MASK32
            self.next()

    def string(self, what):
        token = self.next(what)
        if token.kind != "string":
            raise RcError(token.where, "expected %s as a quoted string, found %s" % (what, token.value))
        return parse_string(token)


class Control:
    def __init__(self, id, class_name, text, style, ex_style, rect, where):
        self.id = id
        self.class_name = class_name
        self.text = text
        self.style = style
        self.ex_style = ex_style
        self.rect = rect
        self.where = where


class Dialog:
    def __init__(self, id, rect, where):
        self.id = id
        self.rect = rect
        self.where = where
        self.style = 0
        self.caption = ""
        self.font_face = ""
        self.font_size = 0
        self.controls = []


def check_short(value, token_where, what):
    if not -32768 <= value <= 32767:
        raise RcError(token_where, "%s %d does not fit in 16 bits" % (what, value))
    return value


def parse_rect(stream, first_where):
    values = []
    for i, what in enumerate(("x", "y", "width", "height")):
        if i:
            stream.expect_punct(",")
        where = (stream.peek() or Token("", "", first_where)).where
        values.append(check_short(stream.expression(), where, what))
    return tuple(values)


def parse_dialog(stream, name_token):
    where = name_token.where
    id_token = stream.next()
    if id_token.kind != "number":
        raise RcError(where, "template name %s is not a #define of the resource header" % id_token.value)
    stream.expect_word("DIALOGEX")
    dialog = Dialog(parse_number(id_token), parse_rect(stream, where), where)
    token = stream.next("STYLE")
    if not token.is_word("STYLE"):
        raise RcError(token.where, "expected STYLE after the DIALOGEX line, found %s" % token.value)
    dialog.style = stream.style(0)
    token = stream.next("FONT")
    if token.is_word("CAPTION"):
        dialog.caption = stream.string("the caption")
        dialog.style |= WS_CAPTION
        token = stream.next("FONT")
    if not token.is_word("FONT"):
        raise RcError(token.where, "expected CAPTION or FONT, found %s" % token.value)
    dialog.font_size = check_short(stream.expression(), token.where, "font size")
    stream.expect_punct(",")
    dialog.font_face = stream.string("the font face")
    dialog.style |= DS_SETFONT
    stream.expect_word("BEGIN")
    while True:
        token = stream.next("CONTROL or END")
        if token.is_word("END"):
            return dialog
        if not token.is_word("CONTROL"):
            raise RcError(token.where, "only generic CONTROL statements are allowed, found %s" % token.value)
        text = stream.string("the control text")
        stream.expect_punct(",")
        control_id = stream.expression()
        stream.expect_punct(",")
        class_token = stream.peek() or token
        class_name = stream.string("the window class")
        canonical = KNOWN_CLASSES.get(class_name.lower())
        if canonical is None:
            raise RcError(class_token.where, "unknown window class %r" % class_name)
        stream.expect_punct(",")
        style = stream.style(CONTROL_DEFAULT_STYLE)
        stream.expect_punct(",")
        rect = parse_rect(stream, token.where)
        ex_style = 0
        if stream.at_punct(","):
            stream.next()
            ex_style = stream.expression() & MASK32
        dialog.controls.append(Control(control_id, canonical, text, style, ex_style, rect, token.where))


def parse_rc(path, macros):
    """Every DIALOGEX template of the script, in script order."""
    with open(path, encoding="utf-8") as f:
        text = strip_comments(f.read(), path)
    lines = text.split("\n")
    dialogs = []
    number = 0
    while number < len(lines):
        line = lines[number]
        number += 1
        where = "%s:%d" % (path, number)
        if line.lstrip().startswith("#"):
            continue
        head = line.split()
        if len(head) < 2 or head[1] not in ("DIALOG", "DIALOGEX"):
            continue
        if head[1] == "DIALOG":
            raise RcError(where, "only DIALOGEX templates are supported")
        # The template runs from its header line to the first END at the start of a line.
        tokens = []
        first = number
        while True:
            body_where = "%s:%d" % (path, number)
            if line.lstrip().startswith("#"):
                raise RcError(body_where, "preprocessor lines are not allowed inside a template")
            tokens.extend(tokenize_line(line, body_where))
            if number > first and line.strip() == "END":
                break
            if number >= len(lines):
                raise RcError(where, "template has no END")
            line = lines[number]
            number += 1
        stream = TokenStream(tokens, macros, "%s:%d" % (path, number))
        dialog = parse_dialog(stream, tokens[0])
        rest = stream.peek()
        if rest is not None:
            raise RcError(rest.where, "unexpected %s after END" % rest.value)
        if any(d.id == dialog.id for d in dialogs):
            raise RcError(where, "template id %d is used twice" % dialog.id)
        dialogs.append(dialog)
    return dialogs


def cpp_string(text):
    """A u"" literal; escapes never swallow the following character."""
    out = ['u"']
    for ch in text:
        code = ord(ch)
        if ch in '"\\':
            out.append("\\" + ch)
        elif code < 0x20 or code == 0x7F:
            out.append("\\%03o" % code)
        elif code < 0x7F:
            out.append(ch)
        elif code <= 0xFFFF:
            out.append("\\u%04x" % code)
        else:
            out.append("\\U%08x" % code)
    out.append('"')
    return "".join(out)


def generate_cpp(dialogs, sources):
    out = []
    out.append("// Generated by res/tools/rc_to_templates.py from %s; do not edit." % ", ".join(sources))
    out.append('#include "ui/DialogTemplate.h"')
    out.append("")
    out.append("namespace ui {")
    out.append("namespace {")
    out.append("")
    for d in dialogs:
        if not d.controls:
            continue
        out.append("constexpr ControlTemplate kControls%d[] = {" % d.id)
        for c in d.controls:
            x, y, cx, cy = c.rect
            out.append(
                "    {%d, %s, %s, 0x%08Xu, 0x%08Xu, %d, %d, %d, %d},"
                % (c.id, cpp_string(c.class_name), cpp_string(c.text), c.style, c.ex_style, x, y, cx, cy)
            )
        out.append("};")
        out.append("")
    out.append("constexpr DialogTemplate kDialogs[] = {")
    for d in dialogs:
        x, y, cx, cy = d.rect
        controls = "std::span<const ControlTemplate>(kControls%d)" % d.id if d.controls else "{}"
        out.append(
            "    {%d, 0x%08Xu, %d, %d, %d, %d, %s, %s, %d, %s},"
            % (d.id, d.style, x, y, cx, cy, cpp_string(d.caption), cpp_string(d.font_face),
               d.font_size, controls)
        )
    out.append("};")
    out.append("")
    out.append("}  // namespace")
    out.append("")
    out.append("const DialogTemplate* FindDialogTemplate(int id) {")
    out.append("    for (const DialogTemplate& dialog : kDialogs) {")
    out.append("        if (dialog.id == id) {")
    out.append("            return &dialog;")
    out.append("        }")
    out.append("    }")
    out.append("    return nullptr;")
    out.append("}")
    out.append("")
    out.append("std::span<const DialogTemplate> AllDialogTemplates() { return kDialogs; }")
    out.append("")
    out.append("}  // namespace ui")
    return "\n".join(out) + "\n"


# --- Comparison with a compiled .res file -------------------------------------------------------


def read_sz_or_ord(data, pos):
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def read_res_dialogs(path):
    """The DIALOGEX resources of a .res file as {id: Dialog}."""
    with open(path, "rb") as f:
        data = f.read()
    dialogs = {}
    pos = 0
    while pos + 8 <= len(data):
        size, header_size = struct.unpack_from("<II", data, pos)
        kind, p = read_sz_or_ord(data, pos + 8)
        name, p = read_sz_or_ord(data, p)
        body = data[pos + header_size : pos + header_size + size]
        if kind == 5:
            if not isinstance(name, int):
                raise RcError(path, "dialog resource with a string name %r" % name)
            dialogs[name] = decode_dialogex(body, "%s: dialog %d" % (path, name), name)
        pos += (header_size + size + 3) & ~3
    return dialogs


def decode_dialogex(b, where, dialog_id):
    version, signature, _help, _ex_style, style, count, x, y, cx, cy = struct.unpack_from("<HHIIIHhhhh", b, 0)
    if (version, signature) != (1, 0xFFFF):
        raise RcError(where, "not a DIALOGEX resource")
    dialog = Dialog(dialog_id, (x, y, cx, cy), where)
    dialog.style = style
    p = 26
    _menu, p = read_sz_or_ord(b, p)
    _klass, p = read_sz_or_ord(b, p)
    dialog.caption, p = read_sz_or_ord(b, p)
    if style & DS_SETFONT:
        dialog.font_size = struct.unpack_from("<H", b, p)[0]
        dialog.font_face, p = read_sz_or_ord(b, p + 6)
    for _ in range(count):
        p = (p + 3) & ~3
        _help, ex_style, cstyle, x, y, cx, cy, cid = struct.unpack_from("<IIIhhhhi", b, p)
        klass, p = read_sz_or_ord(b, p + 24)
        text, p = read_sz_or_ord(b, p)
        (extra,) = struct.unpack_from("<H", b, p)
        p += 2 + extra
        if isinstance(klass, int):
            klass = CLASS_ORDINALS.get(klass, "#%d" % klass)
        dialog.controls.append(Control(cid, klass, text, cstyle, ex_style, (x, y, cx, cy), where))
    return dialog


def shown(item, field):
    value = getattr(item, field)
    return "0x%08X" % value if field in ("style", "ex_style") else repr(value)


def compare_with_res(dialogs, res_path):
    compiled = read_res_dialogs(res_path)
    problems = []
    ids = [d.id for d in dialogs]
    for missing in sorted(set(ids) - set(compiled)):
        problems.append("template %d is not in the compiled resources" % missing)
    for extra in sorted(set(compiled) - set(ids)):
        problems.append("compiled dialog %d was not read from the script" % extra)
    for d in dialogs:
        r = compiled.get(d.id)
        if r is None:
            continue
        for field in ("style", "rect", "caption", "font_face", "font_size"):
            if getattr(d, field) != getattr(r, field):
                problems.append("%s: template %d %s: script %s, compiled %s"
                                % (d.where, d.id, field, shown(d, field), shown(r, field)))
        if len(d.controls) != len(r.controls):
            problems.append("%s: template %d has %d controls, compiled %d"
                            % (d.where, d.id, len(d.controls), len(r.controls)))
            continue
        for c, rc in zip(d.controls, r.controls):
            for field in ("id", "text", "style", "ex_style", "rect"):
                if getattr(c, field) != getattr(rc, field):
                    problems.append("%s: control %d %s: script %s, compiled %s"
                                    % (c.where, c.id, field, shown(c, field), shown(rc, field)))
            if c.class_name.lower() != str(rc.class_name).lower():
                problems.append("%s: control %d class: script %r, compiled %r"
                                % (c.where, c.id, c.class_name, rc.class_name))
    return problems


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--header", required=True)
    parser.add_argument("--rc", required=True)
    action = parser.add_mutually_exclusive_group(required=True)
    action.add_argument("--output")
    action.add_argument("--check-res")
    args = parser.parse_args(argv[1:])
    try:
        macros = Macros()
        macros.load_header(args.header)
        dialogs = parse_rc(args.rc, macros)
        if args.check_res:
            problems = compare_with_res(dialogs, args.check_res)
            for problem in problems:
                print(problem, file=sys.stderr)
            print("%d templates compared with %s, %d differences"
                  % (len(dialogs), args.check_res, len(problems)))
            return 1 if problems else 0
        sources = ["res/" + p.replace("\\", "/").split("/")[-1] for p in (args.rc, args.header)]
        text = generate_cpp(dialogs, sources)
    except RcError as e:
        print(e, file=sys.stderr)
        return 1
    except OSError as e:
        print("error: %s" % e, file=sys.stderr)
        return 1
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
