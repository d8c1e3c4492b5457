#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

Each seed is a small meaningful input in the byte layout its target decodes:
snapshot files, custom board sessions, positions and game scripts. Run it
again after changing a decoder; the fuzzer's own finds are kept elsewhere.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

START_ROWS = [
    "BRBNBBBQBKBBBNBR", "BPBPBPBPBPBPBPBP", "  ::  ::  ::  ::", "::  ::  ::  ::  ",
    "  ::  ::  ::  ::", "::  ::  ::  ::  ", "WPWPWPWPWPWPWPWP", "WRWNWBWQWKWBWNWR",
]


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    with open(os.path.join(folder, name), "wb") as out:
        out.write(bytes(data))


def empty_text(r, c):
    return "::" if (r + c) % 2 == 1 else "  "


def rows_from(pieces):
    """Square texts of a board given as {(row, col): "WK"}."""
    return ["".join(pieces.get((r, c), empty_text(r, c)) for c in range(1, 9))
            for r in range(1, 9)]


def typed_rows(rows):
    """Rows as the player types them: "::" for every empty square, no blanks."""
    return ["".join("::" if row[i:i + 2] == "  " else row[i:i + 2] for i in range(0, 16, 2))
            for row in rows]


def number(n):
    return (" " if n >= 0 else "") + str(n)


# ---------------------------------------------------------------- snapshots
def snapshot(rows, check=((0,) * 5, (0,) * 5), letter="W", last=-1, computer=-1,
             move=1, points=0, rights=(1, 1, 1, 1), computer_caps=(), player_caps=(),
             minutes=0):
    lines = ["BRANDOVEX GAME SNAPSHOT seed"]
    for row in rows:
        lines += [row[i:i + 2] for i in range(0, 16, 2)]
    for i in range(5):
        lines += [number(check[0][i]), number(check[1][i])]
    lines += [letter, number(last), number(computer), number(move), number(points)]
    lines += [number(x) for x in rights]
    lines += [number(len(computer_caps)), number(len(player_caps))]
    for i in range(15):
        lines.append(computer_caps[i] if i < len(computer_caps) else "  ")
        lines.append(player_caps[i] if i < len(player_caps) else "  ")
    lines += [number(minutes), "EOF"]
    return "".join(line + "\r\n" for line in lines)


def snapshot_seeds():
    t = "fuzz_snapshot"
    write(t, "start_position.txt", snapshot(START_ROWS))
    checked = rows_from({(1, 5): "BR", (1, 7): "BK", (2, 6): "BP", (2, 7): "BP",
                         (8, 5): "WK", (7, 1): "WP", (6, 3): "WN", (2, 1): "WP"})
    write(t, "white_in_check.txt",
          snapshot(checked, check=((-5, 1, 5, 8, 5), (0,) * 5), letter="B", last=-1,
                   computer=1, move=23, points=-4, rights=(0, 0, 1, 0),
                   computer_caps=("WQ", "WP"), player_caps=("BB",), minutes=12))
    full = rows_from({(1, 1): "BK", (8, 8): "WK", (4, 4): "WQ", (5, 5): "BQ", (3, 3): "BP"})
    write(t, "full_capture_lists.txt",
          snapshot(full, computer=-1, move=40, computer_caps=("WP",) * 15,
                   player_caps=("BP",) * 15, minutes=59))
    write(t, "no_white_king.txt", snapshot(rows_from({(1, 5): "BK", (8, 1): "WR"})))
    write(t, "cut_short.txt", "\r\n".join(snapshot(START_ROWS).split("\r\n")[:40]))
    write(t, "lf_only.txt", snapshot(START_ROWS).replace("\r\n", "\n"))


# ------------------------------------------------------------ custom boards
def session(*lines):
    return "\n".join(lines)


START_TYPED = typed_rows(START_ROWS)


def custom_board_seeds():
    t = "fuzz_custom_board"
    write(t, "start_position_computer_black", session(*START_TYPED, "y", "b"))
    mate_in_one = rows_from({(1, 7): "BK", (2, 6): "BP", (2, 7): "BP", (2, 8): "BP",
                             (8, 5): "WK", (6, 1): "WR"})
    write(t, "back_row_mate_computer_black", session(*typed_rows(mate_in_one), "Y", "B"))
    odd = rows_from({(1, 1): "WP", (8, 8): "BP", (4, 4): "WK", (5, 5): "WK", (1, 8): "BK",
                     (3, 3): "XX", (6, 6): "N "})
    write(t, "far_row_pawns_two_kings", session(*typed_rows(odd), "Y", "W"))
    write(t, "no_kings_tap_enter", session(*typed_rows(rows_from({(4, 4): "WQ"})), "Y", "W", ""))
    write(t, "retyped_rows", session("WK", "wkwkwkwkwkwkwkwkX", *START_TYPED, "maybe",
                                     "N", *START_TYPED, "Y", "x", "W"))


# --------------------------------------------------------------- positions
CODE_INDEX = {1: 0, -1: 1, 3: 2, -3: 3, 4: 4, -4: 5, 5: 6, -5: 7, 9: 8, -9: 9, 10: 10, -10: 11}
PLAYER_PIECES = [1, -1, 3, -3, 4, -4, 5, -5, 9, -9, 10, -10]


def any_code_byte(code):
    """The byte that the decoder's any-code table turns into a piece or 0."""
    return 0x8E if code == 0 else CODE_INDEX[code]


def position(board, computer=-1, last=-1, rights=(1, 1, 1, 1), check=None, jump=None,
             caps=(0, 0), probes=(), move=None, answers=(), odd=None):
    flags = (4 if computer > 0 else 0) | (8 if last > 0 else 0)
    flags |= (32 if rights[0] else 0) | (64 if rights[1] else 0)
    if odd:
        flags |= 1
    data = [flags, (1 if rights[2] else 0) | (2 if rights[3] else 0)]
    for r in range(1, 9):
        for c in range(1, 9):
            if odd and (r, c) in odd:
                data.append(odd[(r, c)])
            elif odd:
                data.append(any_code_byte(board.get((r, c), 0)))
            else:
                code = board.get((r, c), 0)
                data.append(0 if code == 0 else 128 + CODE_INDEX[code])
    for k in range(2):
        if check and check[k]:
            code, fr, fc, kr, kc = check[k]
            data += [1, 128 + CODE_INDEX[code], fr - 1, fc - 1, kr - 1, kc - 1]
        else:
            data.append(0)
    if jump:
        data += [1, 1 if jump[0] > 0 else 0, jump[1] - 1]
    else:
        data.append(0)
    data += list(caps)
    for i in range(6):
        piece, fr, fc, tr, tc = probes[i] if i < len(probes) else (0, 1, 1, 1, 1)
        data += [any_code_byte(piece), fr - 1, fc - 1, tr - 1, tc - 1, i % 2, i % 2]
    if move:
        piece, fr, fc, tr, tc = move
        data += [PLAYER_PIECES.index(piece), 1, fr, fc, tr, tc, len(answers)]
        for answer in answers:
            data += [len(answer)] + list(answer.encode())
    return data


def start_board():
    board = {}
    back = [5, 3, 4, 9, 10, 4, 3, 5]
    for c in range(1, 9):
        board[(8, c)] = back[c - 1]
        board[(7, c)] = 1
        board[(2, c)] = -1
        board[(1, c)] = -back[c - 1]
    return board


def position_seeds():
    t = "fuzz_position"
    write(t, "start_white_pawn_two_squares",
          position(start_board(), probes=[(1, 7, 5, 5, 5), (3, 8, 2, 6, 3)],
                   move=(1, 7, 5, 5, 5)))
    castle = {(8, 5): 10, (8, 1): 5, (8, 8): 5, (1, 5): -10, (1, 1): -5, (1, 8): -5,
              (7, 1): 1, (2, 8): -1}
    write(t, "castling_both_sides",
          position(castle, probes=[(10, 8, 5, 8, 7), (-10, 1, 5, 1, 3)], move=(10, 8, 5, 8, 7)))
    en_passant = {(8, 5): 10, (1, 5): -10, (4, 5): 1, (4, 4): -1, (2, 2): -1}
    write(t, "en_passant_available",
          position(en_passant, jump=(-1, 3, 4), move=(1, 4, 5, 3, 4)))
    promote = {(8, 5): 10, (1, 8): -10, (2, 1): 1, (7, 8): -1}
    write(t, "promotion_with_refused_answers",
          position(promote, computer=-1, move=(1, 2, 1, 1, 1), answers=("K", "WK", "BN")))
    checked = {(8, 5): 10, (1, 5): -5, (1, 7): -10, (2, 6): -1, (2, 7): -1, (8, 1): 5}
    write(t, "white_king_in_check",
          position(checked, check=((-5, 1, 5, 8, 5), None), move=(10, 8, 5, 7, 5)))
    mate = {(1, 7): -10, (2, 6): -1, (2, 7): -1, (2, 8): -1, (8, 5): 10, (6, 1): 5}
    write(t, "computer_white_mates", position(mate, computer=1, last=-1))
    crowded = {(4, 4): 10, (5, 5): 10, (1, 1): -10, (1, 2): -10, (8, 8): 1, (1, 3): -1}
    write(t, "doubled_kings_far_row_pawns", position(crowded, caps=(15, 15)))
    odd = {(3, 3): 0x80 | 4, (4, 4): 0x80 | 9, (5, 5): 0x80 | 12}
    write(t, "codes_that_name_no_piece", position(start_board(), odd=odd,
                                                   probes=[(1, 3, 3, 4, 4)]))


# -------------------------------------------------------------- game scripts
def pick(col):
    return [3, col - 1]


def square_move(fr, fc, tr, tc):
    return [9, fr - 1, fc - 1, tr - 1, tc - 1]


MENU = {"NEW": 0, "LOAD": 1, "SAVE": 2, "CREATE": 3, "HELP": 4, "DISPLAY": 5, "RESIGN": 6,
        "USCF": 7, "VOICE": 8, "ABOUT": 9, "EXIT": 10, "PARSE": 11, "HINT": 12, "CANCEL": 13}
ANSWERS = {"Y": 0, "N": 1, "W": 2, "B": 3, "Q ": 4, "WQ": 5, "n ": 6, "": 7, "BR": 8, "K": 9}
PAIRS = ["WK", "WQ", "WR", "WB", "WN", "WP", "BK", "BQ", "BR", "BB", "BN", "BP", "::", "  "]


def menu(word):
    return [2, MENU[word]]


def answer(text):
    return [7, ANSWERS[text]]


def typed(text):
    return [5, len(text)] + list(text.encode())


def custom_row(row):
    pairs = [row[i:i + 2] for i in range(0, 16, 2)]
    return [6] + [PAIRS.index(p if p in PAIRS else "::") for p in pairs]


def turn_loop_seeds():
    t = "fuzz_turn_loop"
    white_level0 = [7] + pick(10) + pick(3)
    write(t, "white_level0_opening",
          white_level0 + square_move(7, 5, 5, 5) + menu("HINT") + menu("PARSE")
          + square_move(7, 4, 5, 4) + menu("USCF") + square_move(8, 7, 6, 6)
          + menu("DISPLAY") + square_move(8, 6, 5, 3) + square_move(8, 5, 8, 7))
    # Black at level 9: the board is turned, so square (r, c) is clicked at (9-r, 9-c).
    black_level9 = [3] + pick(3) + pick(21)
    write(t, "black_level9_save_load_resign",
          black_level9 + square_move(9 - 2, 9 - 5, 9 - 4, 9 - 5) + menu("SAVE") + menu("LOAD")
          + menu("RESIGN") + answer(""))
    create = [11] + pick(10) + pick(5) + menu("CREATE")
    for row in START_TYPED:
        create += custom_row(row)
    write(t, "create_start_position_then_exit",
          create + answer("Y") + answer("B") + square_move(7, 5, 5, 5) + menu("EXIT") + answer(""))
    write(t, "commands_typed_moves_and_new",
          [5] + pick(10) + pick(7) + menu("VOICE") + [4, 6, 0] + menu("ABOUT") + menu("HELP")
          + typed("wp 75 55") + typed("ZZ") + typed("WP 79 55") + [1, 6, 4] + menu("CANCEL")
          + menu("NEW") + pick(3) + pick(9) + menu("EXIT") + answer(""))
    # A long game: White at level 1 tries the same few developing moves
    # again and again, so that the computer's answers decide what stands.
    long_game = [17] + pick(10) + pick(5)
    tries = [(7, 5, 5, 5), (7, 4, 5, 4), (8, 7, 6, 6), (8, 2, 6, 3), (8, 6, 5, 3),
             (8, 3, 5, 6), (8, 4, 6, 4), (8, 5, 8, 7), (6, 6, 4, 5), (5, 3, 2, 6)]
    for i in range(60):
        long_game += square_move(*tries[(i * 7) % len(tries)])
    write(t, "white_level1_long_game", long_game + menu("SAVE") + menu("EXIT") + answer(""))
    promote = [13] + pick(10) + pick(3) + menu("CREATE")
    for row in typed_rows(rows_from({(2, 1): "WP", (8, 5): "WK", (1, 8): "BK"})):
        promote += custom_row(row)
    write(t, "create_and_promote",
          promote + answer("Y") + answer("B") + square_move(2, 1, 1, 1) + answer("K")
          + answer("WQ"))


# ----------------------------------------------------------- analysis tool
def analyze_seeds():
    t = "fuzz_analyze"
    write(t, "start_analyze_white", "\n".join(START_ROWS + ["mode analyze", "side W",
                                                              "castle 1 1", "move 1", ""]))
    castle = rows_from({(8, 5): "WK", (8, 1): "WR", (8, 8): "WR", (1, 5): "BK", (1, 8): "BR",
                        (4, 4): "WP", (4, 5): "BP"})
    write(t, "legal_castling_en_passant",
          "\r\n".join(castle + ["mode legal", "side W", "rights 1 1 1 1", "pawnjump -1 3 5",
                                 "hintlimit 0", ""]))
    checked = rows_from({(8, 5): "WK", (1, 5): "BR", (1, 7): "BK", (2, 6): "BP", (7, 1): "WP"})
    write(t, "white_in_check",
          "\n".join(checked + ["side W", "check1 -5 1 5 8 5", "check2 0 0 0 0 0", "", "move 40"]))
    write(t, "unknown_setting", "\n".join(START_ROWS + ["side B", "colour W"]))


if __name__ == "__main__":
    snapshot_seeds()
    custom_board_seeds()
    position_seeds()
    turn_loop_seeds()
    analyze_seeds()
