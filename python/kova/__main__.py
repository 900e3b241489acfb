"""python3 -m kova plot <command> <calculator options> [--y COLUMN] [--table TABLE] -o FILE.png

(with the built package on the path: PYTHONPATH=build/python)

One option holds a range instead of a value and is swept:
  --t 250:450          21 points from 250 to 450 (--t 250:450:41 for 41 points)
  --p log:1e5:5e7:30   30 points spaced logarithmically
  --x 0:1              a binary mixture from pure second to pure first component
The picture shows the column --y (default: the first property column of the results) of
every component and of the mixture against the swept option.

Example:
  python3 -m kova plot trapp -c methane,ethane --x 0.8,0.2 --t 200:400 --p 5e6 --y MU -o mu.png
"""
from __future__ import annotations

import sys

_SHORT = {"-c": "components", "-x": "x", "-T": "t", "-P": "p", "--temperature": "t", "--pressure": "p"}
_NOT_PROPERTIES = {"component", "x", "phase", "pair", "solute", "KCONV", "Tr", "Pr", "rho_r", "V", "VV", "VC"}


def _value(key: str, text: str):
    if key == "components" or "," in text or key in ("x", "mul", "mulp", "klp", "kl", "vl", "dv0", "sigma",
                                                       "vw", "marked", "solute", "bio"):
        items = text.split(",") if key not in ("bio",) else [text]
        try:
            return [float(v) for v in items] if key not in ("components", "solute", "bio") else items
        except ValueError:
            return items
    try:
        return float(text)
    except ValueError:
        return text


def parse(argv: list[str]):
    """The command, its options (keyword arguments), the swept option and values, and the
    plot's own options."""
    from kova.plot import parse_range
    if not argv or argv[0].startswith("-"):
        raise SystemExit("usage: python3 -m kova plot <command> <options> [--y COLUMN] -o FILE.png")
    command, rest = argv[0], argv[1:]
    options: dict = {}
    own = {"y": None, "table": None, "o": None, "title": None, "logy": False}
    vary = values = None
    i = 0
    while i < len(rest):
        tok = rest[i]
        if tok in ("--logy",):
            own["logy"] = True
            i += 1
            continue
        if tok in ("--json", "--trace"):
            i += 1
            continue
        if not tok.startswith("-") or i + 1 >= len(rest):
            raise SystemExit(f"kova plot: option {tok!r} needs a value")
        val = rest[i + 1]
        i += 2
        if tok in ("-o", "--output"):
            own["o"] = val
            continue
        if tok in ("--y", "--table", "--title"):
            own[tok[2:]] = val
            continue
        key = _SHORT.get(tok, tok.lstrip("-").replace("-", "_"))
        if ":" in val and key not in ("bio",):
            if vary is not None:
                raise SystemExit("kova plot: only one option may hold a range")
            vary = key
            if key == "x":
                lo = parse_range(val)
                values = [[v, 1.0 - v] for v in lo]
            else:
                values = list(parse_range(val))
            continue
        options[key] = _value(key, val)
    if vary is None:
        raise SystemExit("kova plot: give one option a range, e.g. --t 250:400")
    if not own["o"]:
        raise SystemExit("kova plot: give the picture's file with -o FILE.png")
    return command, options, vary, values, own


def plot_main(argv: list[str]) -> int:
    from kova import plot
    command, options, vary, values, own = parse(argv)
    prop = own["y"]
    if prop is None:
        first = plot.evaluate(command, **{**options, vary: values[0]})
        given = {k.lower() for k in options} | {vary.lower()}
        tables = first["results"]
        # the results before the inputs: the mixture, then pair tables, then the components
        order = sorted(tables, key=lambda t: (t != "mixture", t == "components"))
        cols = [k for t in order for r in tables[t][:1] for k, v in r.items()
                if k not in _NOT_PROPERTIES and k.lower() not in given and isinstance(v, (int, float))]
        if not cols:
            raise SystemExit(f"kova plot: kova {command} gives no numeric column")
        prop = cols[0]
    try:
        fig = plot.plot_sweep(command, vary, values, prop, table=own["table"], title=own["title"],
                              logy=own["logy"], **options)
    except plot.KovaCallError as e:
        print(e, file=sys.stderr)
        return 2
    fig.savefig(own["o"], dpi=90)
    print(own["o"])
    return 0


def main(argv: list[str] | None = None) -> int:
    argv = sys.argv[1:] if argv is None else argv
    if argv[:1] == ["plot"]:
        return plot_main(argv[1:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
