#!/usr/bin/env python3
"""Tests for server_requests.py, the counter of wineserver requests per start-up step.

    python3 tests/tools/test_server_requests.py
"""
import os
import sys
import tempfile
import unittest

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(TOP, "tools", "bench"))
import server_requests as requests  # noqa: E402


def mark(thread, name):
    return f'{thread}: find_atom( table=0000, atom=0000, name=L"zelmora-step {name}" )'


def call(thread, request):
    return [f"{thread}: {request}( handle=0001 )", f"{thread}: {request}() = 0 {{ }}"]


class Steps(unittest.TestCase):
    def test_counts_each_step_from_the_process_start_without_replies_or_marks(self):
        lines = [
            # an earlier process on the same thread id is not counted
            "00d4: init_first_thread( unix_pid=1 )",
            *call("00d4", "get_key_value"),
            "00d4: init_first_thread( unix_pid=2 )",
            *call("00d4", "open_key"),
            *call("00e0", "get_key_value"),  # another process's thread
            mark("00d4", "main"),
            *call("00d4", "create_window"),
            *call("00d4", "set_window_pos"),
            mark("00d4", "window"),
            mark("00d4", "idle"),
            *call("00d4", "destroy_window"),  # after idle: not counted
        ]
        self.assertEqual(requests.marked_thread(lines), "00d4")
        self.assertEqual(requests.steps_of(lines, "00d4"), [("loading", 2), ("window", 2), ("idle", 0)])

    def test_no_marks_gives_no_thread(self):
        self.assertIsNone(requests.marked_thread(call("00d4", "find_atom")))


class CommandLine(unittest.TestCase):
    def run_main(self, *traces):
        paths = []
        for label, lines in traces:
            handle, path = tempfile.mkstemp(suffix=".log")
            with os.fdopen(handle, "w") as out:
                out.write("\n".join(lines) + "\n")
            self.addCleanup(os.remove, path)
            paths.append(f"{label}={path}")
        sys.argv = ["server_requests.py", *paths]
        from io import StringIO
        from contextlib import redirect_stdout
        output = StringIO()
        with redirect_stdout(output):
            requests.main()
        return output.getvalue()

    def test_ratio_of_the_totals_from_the_process_start(self):
        program = ["0010: init_first_thread( )", *call("0010", "a") * 3, mark("0010", "main"),
                   *call("0010", "b") * 3, mark("0010", "idle")]
        floor = ["0020: init_first_thread( )", *call("0020", "a") * 2, mark("0020", "main"),
                 *call("0020", "b") * 2, mark("0020", "idle")]
        other = ["0030: init_first_thread( )", mark("0030", "main"), *call("0030", "b") * 6,
                 mark("0030", "idle")]
        output = self.run_main(("zelmora", program), ("floor", floor), ("other", other))
        self.assertIn("from process start to idle 7", output)  # init_first_thread counts too
        self.assertIn("requests ratio zelmora / floor = 1.40 (loading before the first instruction 4 against 3)",
                      output)
        self.assertIn("requests ratio zelmora / other = 1.00 (loading before the first instruction 4 against 1)",
                      output)

    def test_a_program_that_never_got_idle_is_an_error(self):
        program = ["0010: init_first_thread( )", mark("0010", "main")]
        with self.assertRaises(SystemExit) as failure:
            self.run_main(("zelmora", program), ("floor", program))
        self.assertIn("never reached its mark 'idle'", str(failure.exception))


if __name__ == "__main__":
    unittest.main()
