#!/usr/bin/env python3
"""The fault sampler's own test: on a small program with a known test, a known
fault is KILLED, an equivalent one SURVIVES, comments and strings are never
picked, the same seed draws the same faults, and the file is byte for byte as
it was afterwards, also when the run is interrupted."""
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLER = os.path.join(HERE, 'mutants.py')
CXX = os.environ.get('CXX', 'g++')

PROGRAM = """// Adds two counts, held at 100 ("a < b" in a comment is not code).
#include <cstdio>
int Limit(int a, int b) {
  int sum = a + b;
  if (sum > 100) return 100;
  return sum;
}
int main() {
  std::printf("x < y && z\\n");
  return Limit(60, 50) == 100 && Limit(1, 2) == 3 ? 0 : 1;
}
"""


class Sampler(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.src = os.path.join(self.dir.name, 'limit.cpp')
        with open(self.src, 'w', newline='') as f:
            f.write(PROGRAM)
        prog = os.path.join(self.dir.name, 'limit')
        self.build = f'{CXX} -o {prog} {self.src}'
        self.test = prog

    def tearDown(self):
        self.dir.cleanup()

    def sampler(self, *extra, build=None, test=None):
        return subprocess.run([sys.executable, SAMPLER, self.src, '--build-cmd', build or self.build,
                               '--test-cmd', test or self.test, *extra],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)

    def unchanged(self):
        with open(self.src, newline='') as f:
            self.assertEqual(f.read(), PROGRAM)

    def test_a_known_fault_is_killed_and_an_equivalent_one_survives(self):
        out = self.sampler('--apply', '4:+:-', '--apply', '5:>:>=').stdout
        self.assertRegex(out, r"limit.cpp:4:\d+: chosen: '\+' -> '-': KILLED")
        # At a sum of exactly 100 both forms return 100: nothing can tell them apart.
        self.assertRegex(out, r"limit.cpp:5:\d+: chosen: '>' -> '>=': SURVIVED")
        self.assertIn('mutants: 1 killed of 2 drawn, 1 survived', out)
        self.unchanged()

    def test_a_fault_that_does_not_build_is_not_counted(self):
        out = self.sampler('--apply', '4:int sum:int', '--apply', '4:+:-').stdout
        self.assertIn('does not build, drawn again', out)
        self.assertIn('1 killed of 1 drawn', out)
        self.unchanged()

    def test_a_chosen_fault_may_hold_colons(self):
        clamp = os.path.join(self.dir.name, 'clamp.cpp')
        text = ('#include <algorithm>\n'
                'int Clamp(int v) { return std::min(v, 100); }\n'
                'int Sign(int v) { return v < 0 ? -1 : 1; }\n'
                'int main() { return Clamp(150) == 100 && Sign(-3) == -1 ? 0 : 1; }\n')
        with open(clamp, 'w', newline='') as f:
            f.write(text)
        prog = os.path.join(self.dir.name, 'clamp')
        out = subprocess.run([sys.executable, SAMPLER, clamp, '--build-cmd', f'{CXX} -o {prog} {clamp}',
                              '--test-cmd', prog, '--apply', '2:std::min:std::max',
                              '--apply', '3:? -1 : 1:? 1 : -1',
                              '--apply', r'2:std\:\:min(v, 100):std\:\:min(v, 200)',
                              '--apply', '2:100); }:100)  ; }', '--apply', '3:1; }:1;}'],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True).stdout
        self.assertRegex(out, r"clamp.cpp:2:\d+: chosen: 'std::min' -> 'std::max': KILLED")
        self.assertRegex(out, r"clamp.cpp:3:\d+: chosen: '\? -1 : 1' -> '\? 1 : -1': KILLED")
        self.assertRegex(out, r"clamp.cpp:2:\d+: chosen: 'std::min\(v, 100\)' -> 'std::min\(v, 200\)': KILLED")
        self.assertRegex(out, r"clamp.cpp:2:\d+: chosen: '100\); }' -> '100\)  ; }': SURVIVED")
        self.assertRegex(out, r"clamp.cpp:3:\d+: chosen: '1; }' -> '1;}': SURVIVED")
        self.assertIn('mutants: 3 killed of 5 drawn, 2 survived', out)
        with open(clamp, newline='') as f:
            self.assertEqual(f.read(), text)
        # A text that is not on the line is refused, and the file left alone.
        bad = subprocess.run([sys.executable, SAMPLER, clamp, '--build-cmd', 'true', '--test-cmd', 'true',
                              '--apply', '2:std::clamp:std::max'],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.assertNotEqual(bad.returncode, 0)
        self.assertIn('is on line 2', bad.stdout)

    def test_comments_strings_and_includes_are_never_picked(self):
        out = subprocess.run([sys.executable, SAMPLER, '--list', self.src],
                             stdout=subprocess.PIPE, text=True, check=True).stdout
        lines = {int(l.split(':')[1]) for l in out.splitlines()}
        self.assertTrue(lines, out)
        self.assertNotIn(1, lines)
        self.assertNotIn(2, lines)
        self.assertNotIn(9, lines)
        self.assertIn(10, lines)  # the && and == of the real return

    def test_a_nudge_always_changes_the_number(self):
        zero = os.path.join(self.dir.name, 'zero.cpp')
        with open(zero, 'w') as f:
            f.write('double Rest() { return 0.0; }\n')
        out = subprocess.run([sys.executable, SAMPLER, '--list', zero],
                             stdout=subprocess.PIPE, text=True, check=True).stdout
        self.assertIn("'0.0' -> '0.1'", out)
        self.assertNotIn("'0.0' -> '0.0'", out)

    def test_the_same_seed_draws_the_same_faults(self):
        runs = [self.sampler('--count', '5', '--seed', str(seed), build='true', test='true').stdout
                for seed in (7, 7, 8)]
        self.assertEqual(runs[0], runs[1])
        self.assertNotEqual(runs[0], runs[2])
        self.assertEqual(runs[0].count('SURVIVED'), 5)
        self.unchanged()

    def test_an_interrupted_run_puts_the_file_back(self):
        for sig in (signal.SIGINT, signal.SIGTERM):
            p = subprocess.Popen([sys.executable, SAMPLER, self.src, '--apply', '4:+:-',
                                  '--build-cmd', 'sleep 30', '--test-cmd', 'true'],
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            deadline = time.time() + 10
            while time.time() < deadline:
                with open(self.src, newline='') as f:
                    if f.read() != PROGRAM:
                        break
                time.sleep(0.02)
            else:
                p.kill()
                self.fail('the fault was never applied')
            p.send_signal(sig)
            out, _ = p.communicate(timeout=20)
            self.assertEqual(p.returncode, 130, out)
            self.unchanged()


if __name__ == '__main__':
    unittest.main()
