#!/usr/bin/env python3
"""Breaks the code at random, one line at a time, and shows which tests catch it.

    tests/mutants.py FILE... [--count N] [--seed S] [--build DIR]

From each FILE it draws N one-line faults of the kinds that make real bugs in
this code (a comparison flipped, a number nudged, && and || swapped, a side or
engine index swapped, + and - swapped, a send, save or assignment dropped, a
bool return negated), applies each alone, builds, runs the whole suite and puts
the file back byte for byte, whatever happens (an interrupt too). A fault that
does not build is drawn again; comments and strings are never touched. The same
seed draws the same faults.

`--build-cmd` and `--test-cmd` replace the project's own build and suite (the
sampler's own test uses them); `--apply LINE:OLD:NEW` makes one chosen fault
instead of drawing (OLD and NEW may hold colons; write `\\:` where the cut
between them would be unclear).
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import zlib

# ---------------------------------------------------------------- code mask


def code_mask(text):
    """One flag a character: True where the character is code, False inside a
    comment, a string or a character literal, or on a preprocessor line."""
    mask = [True] * len(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c not in ' \t\n':
            line_start = False
            if c == '#':  # preprocessor line, with its continuations
                j = i
                while j < n and not (text[j] == '\n' and text[j - 1] != '\\'):
                    j += 1
                for k in range(i, j):
                    mask[k] = False
                i = j
                continue
        if c == '\n':
            line_start = True
            i += 1
            continue
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        if text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                if text[k] != '\n':
                    mask[k] = False
            i = j
            continue
        raw = re.match(r'(?:u8|[uUL])?R"([^(\s]{0,16})\(', text[i:i + 24])
        if raw and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == '_')):
            end = text.find(')' + raw.group(1) + '"', i + raw.end())
            j = n if end < 0 else end + len(raw.group(1)) + 2
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        if c in '"\'':
            if c == "'" and i > 0 and text[i - 1].isalnum():  # digit separator 1'000
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            j = min(j + 1, n)
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        i += 1
    return mask


# ---------------------------------------------------------------- fault kinds

COMPARISON = {'<': '<=', '<=': '<', '>': '>=', '>=': '>', '==': '!=', '!=': '=='}
SIDES = [('left', 'right'), ('Left', 'Right'), ('LEFT', 'RIGHT'),
         ('engine1', 'engine2'), ('Engine1', 'Engine2')]
DROP_WORDS = re.compile(r'\b(Send\w*|Save\w*|Write\w*|Set\w*|Post\w*|Play\w*)\s*\(')
NUMBER = re.compile(r'(?<![\w.])(\d+\.\d*|\.\d+|\d+)([eE][-+]?\d+)?([fFuUlL]*)(?![\w.])')


class Fault:
    def __init__(self, line, start, end, new, kind):
        self.line, self.start, self.end, self.new, self.kind = line, start, end, new, kind

    def apply(self, lines):
        text = lines[self.line]
        return lines[:self.line] + [text[:self.start] + self.new + text[self.end:]] + lines[self.line + 1:]

    def describe(self, lines):
        old = lines[self.line][self.start:self.end]
        return f"{self.kind}: '{old.strip()}' -> '{self.new.strip()}'"


def nudge(literal):
    """A number one step away: the last digit up or down, a float times 1.1."""
    body, exp, suffix = literal
    out = []
    if '.' in body or exp:
        value = float(body + exp)
        scaled = '%.6g' % (value * 1.1)
        if not any(ch in scaled for ch in '.e'):
            scaled += '.0'
        out.append(scaled + ('f' if 'f' in suffix.lower() else ''))
    last = body.rstrip('.')[-1]
    cut = len(body.rstrip('.')) - 1
    for d in (int(last) + 1, int(last) - 1):
        if 0 <= d <= 9:
            out.append(body[:cut] + str(d) + body[cut + 1:] + exp + suffix)
    # A nudge that leaves the value as it was (0.0 times 1.1) is no fault.
    old = float(body + exp) if body != '.' else 0.0
    return [n for n in out if float(n.rstrip('fFuUlL')) != old]


def faults_of(lines, masks):
    """Every fault the file offers, in order of line."""
    found = []
    for ln, (text, mask) in enumerate(zip(lines, masks)):
        code = ''.join(ch if m else ' ' for ch, m in zip(text, mask))
        if not code.strip() or code.lstrip().startswith(('#', 'static_assert', 'template')):
            continue
        for m in re.finditer(r'(?<![<>=!&|+\-*/%^])(<=|>=|==|!=|<|>)(?![<>=])', code):
            op = m.group(1)
            if op in ('<', '>') and ('->' in code[m.start() - 1:m.end() + 1]):
                continue
            found.append(Fault(ln, m.start(), m.end(), COMPARISON[op], 'comparison'))
        for m in re.finditer(r'&&|\|\|', code):
            found.append(Fault(ln, m.start(), m.end(), '||' if m.group() == '&&' else '&&', 'logic'))
        for m in NUMBER.finditer(code):
            for new in nudge(m.groups('')):
                found.append(Fault(ln, m.start(), m.end(), new, 'number'))
        for m in re.finditer(r'(?<=[\w)\]\s])\s([+-])\s(?=[\w(.])', code):
            found.append(Fault(ln, m.start(1), m.end(1), '-' if m.group(1) == '+' else '+', 'sign'))
        for m in re.finditer(r'(?<![+\-*/%&|^<>=!])([+-])=(?!=)', code):
            found.append(Fault(ln, m.start(1), m.end(1), '-' if m.group(1) == '+' else '+', 'sign'))
        for m in re.finditer(r'\[([01])\]', code):
            found.append(Fault(ln, m.start(1), m.end(1), '1' if m.group(1) == '0' else '0', 'side'))
        for a, b in SIDES:
            for m in re.finditer(a + '|' + b, code):
                found.append(Fault(ln, m.start(), m.end(), b if m.group() == a else a, 'side'))
        for m in re.finditer(r'\b([A-Za-z_]\w*?[A-Za-z])([12])(?=[A-Z_]|\b)(\w*)', code):
            if any(a in m.group() or b in m.group() for a, b in SIDES):
                continue
            found.append(Fault(ln, m.start(2), m.end(2), '2' if m.group(2) == '1' else '1', 'side'))
        m = re.match(r'(\s*)return\s+(true|false)\s*;', code)
        if m:
            found.append(Fault(ln, m.start(2), m.end(2), 'false' if m.group(2) == 'true' else 'true', 'return'))
        m = re.match(r'\s*return\s+([^;?]*(?:==|!=|<=|>=|&&|\|\||(?<![<>])[<>](?![<>])|^!)[^;?]*);\s*$', code)
        expr = text[m.start(1):m.end(1)] if m else ''
        bare = re.sub(r'<[\w:\s,*&]*>', '', expr)  # template arguments are no comparison
        if m and expr.count('(') == expr.count(')') and re.search(r'==|!=|<|>|&&|\|\||^!', bare):
            found.append(Fault(ln, m.start(1), m.end(1), '!(' + text[m.start(1):m.end(1)] + ')', 'return'))
        stripped = code.strip()
        if stripped.endswith(';') and not stripped.startswith(('return', 'case', 'default', 'break', 'continue')) \
                and (DROP_WORDS.search(code) or re.match(r'\s*[\w.\->\[\]]+\s*[-+*/|&]?=[^=]', code)) \
                and stripped.count('(') == stripped.count(')') and not re.match(r'\s*(const|constexpr|static|auto|int|double|bool|float|uint\w*|int\w*|size_t|std::)\b', code):
            indent = len(text) - len(text.lstrip())
            found.append(Fault(ln, indent, len(text.rstrip('\n')), ';', 'drop'))
    return found


# ---------------------------------------------------------------- running


def run(cmd, timeout):
    try:
        p = subprocess.run(cmd, shell=True, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, text=True, errors='replace')
        return p.returncode, p.stdout
    except subprocess.TimeoutExpired as e:
        out = e.stdout.decode(errors='replace') if isinstance(e.stdout, bytes) else (e.stdout or '')
        return 124, out


def failed_tests(output):
    names = re.findall(r'^\s*\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)', output, re.M)
    return names


class Original:
    """Holds a file's bytes and puts them back on exit, on an interrupt and on
    SIGTERM, whatever the code in between does."""

    def __init__(self, path):
        self.path = path
        with open(path, 'rb') as f:
            self.data = f.read()

    def __enter__(self):
        self.old = {s: signal.getsignal(s) for s in (signal.SIGINT, signal.SIGTERM)}

        def interrupted(signum, frame):
            self.restore()
            raise KeyboardInterrupt
        for s in self.old:
            signal.signal(s, interrupted)
        return self

    def restore(self):
        with open(self.path, 'rb') as f:
            if f.read() == self.data:
                return
        with open(self.path, 'wb') as f:
            f.write(self.data)

    def __exit__(self, *exc):
        self.restore()
        for s, h in self.old.items():
            signal.signal(s, h)
        return False


def split_masked(text):
    lines = text.splitlines(keepends=True)
    mask = code_mask(text)
    masks, pos = [], 0
    for line in lines:
        masks.append(mask[pos:pos + len(line)])
        pos += len(line)
    return lines, masks


def split_apply(spec, lines):
    """LINE:OLD:NEW into (line index, OLD, NEW). OLD and NEW may hold colons
    (`std::min`, `a ? b : c`): of the ways to cut the text after LINE in two at
    a colon, the one whose OLD is the longest text found on that line is taken.
    A colon of a `::` pair and a colon written `\\:` are never the cut."""
    ln, _, rest = spec.partition(':')
    if not ln.strip().isdigit() or not rest:
        sys.exit(f"--apply {spec}: LINE:OLD:NEW wanted")
    ln = int(ln) - 1
    if not 0 <= ln < len(lines):
        sys.exit(f"--apply {spec}: the file has {len(lines)} lines")
    pieces = re.split(r'(?<!\\):', rest)
    if len(pieces) < 2:
        sys.exit(f"--apply {spec}: LINE:OLD:NEW wanted")
    best = None
    for cut in range(1, len(pieces)):
        last = cut == len(pieces) - 1
        if pieces[cut - 1] == '' or (pieces[cut] == '' and not last):
            continue  # one colon of a '::'
        old = ':'.join(pieces[:cut]).replace('\\:', ':')
        new = ':'.join(pieces[cut:]).replace('\\:', ':')
        if old and old in lines[ln] and (best is None or len(old) > len(best[0])):
            best = (old, new)
    if best is None:
        sys.exit(f"--apply {spec}: no OLD text of it is on line {ln + 1}"
                 " (write \\: for a colon where the cut is unclear)")
    return ln, best[0], best[1]


def try_fault(path, lines, fault, args):
    with open(path, 'w', encoding='utf-8', newline='') as f:
        f.write(''.join(fault.apply(lines)))
    code, out = run(args.build_cmd, args.build_timeout)
    if code != 0:
        return 'does not build', ''
    code, out = run(args.test_cmd, args.test_timeout)
    failed = failed_tests(out)
    if code != 0:
        return 'KILLED', (failed[0] if failed else 'the suite')
    return 'SURVIVED', ''


def sample(path, args, rng, totals):
    with open(path, encoding='utf-8', newline='') as f:
        text = f.read()
    lines, masks = split_masked(text)
    if args.apply:
        chosen = []
        for spec in args.apply:
            ln, old, new = split_apply(spec, lines)
            at = lines[ln].find(old)
            chosen.append(Fault(ln, at, at + len(old), new, 'chosen'))
    else:
        chosen = faults_of(lines, masks)
        rng.shuffle(chosen)
    drawn = killed = 0
    with Original(path) as original:
        for fault in chosen:
            if drawn >= args.count and not args.apply:
                break
            where = f"{os.path.relpath(path)}:{fault.line + 1}:{fault.start + 1}"
            verdict, test = try_fault(path, lines, fault, args)
            original.restore()
            if verdict == 'does not build':
                print(f"{where}: {fault.describe(lines)}: does not build, drawn again", flush=True)
                continue
            drawn += 1
            killed += verdict == 'KILLED'
            print(f"{where}: {fault.describe(lines)}: {verdict}" + (f" by {test}" if test else ''), flush=True)
    # Leave the build as the untouched code makes it.
    run(args.build_cmd, args.build_timeout)
    totals.append((path, killed, drawn))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('files', nargs='+')
    ap.add_argument('--count', type=int, default=20)
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--build', default='build')
    ap.add_argument('--jobs', type=int, default=os.cpu_count() or 2)
    ap.add_argument('--build-cmd')
    ap.add_argument('--test-cmd')
    ap.add_argument('--build-timeout', type=int, default=900)
    ap.add_argument('--test-timeout', type=int, default=1800)
    ap.add_argument('--apply', action='append', help='LINE:OLD:NEW, a chosen fault instead of drawn ones (colons allowed; \\: never cuts)')
    ap.add_argument('--list', action='store_true', help='list every fault each file offers, run nothing')
    args = ap.parse_args()
    if args.list:
        for path in args.files:
            with open(path, encoding='utf-8', newline='') as f:
                text = f.read()
            lines, masks = split_masked(text)
            for fault in faults_of(lines, masks):
                print(f"{os.path.relpath(path)}:{fault.line + 1}:{fault.start + 1}: {fault.describe(lines)}")
        return 0
    args.build_cmd = args.build_cmd or f'ninja -C {args.build} -j {args.jobs}'
    args.test_cmd = args.test_cmd or f'ctest --test-dir {args.build} -j {args.jobs} --timeout 60 --stop-on-failure'
    totals = []
    try:
        for path in args.files:
            # Each file its own stream: adding a file does not change another's faults.
            rng = random.Random(args.seed * 1000003 + zlib.crc32(os.path.normpath(path).encode()))
            sample(path, args, rng, totals)
    except KeyboardInterrupt:
        print('interrupted; every file is as it was', file=sys.stderr)
        return 130
    killed = sum(k for _, k, _ in totals)
    drawn = sum(d for _, _, d in totals)
    for path, k, d in totals:
        print(f"{os.path.relpath(path)}: {k} killed of {d} drawn")
    print(f"mutants: {killed} killed of {drawn} drawn, {drawn - killed} survived")
    return 0


if __name__ == '__main__':
    sys.exit(main())
