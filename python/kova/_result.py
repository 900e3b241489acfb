"""Results of the kova functions: tables of numpy arrays over the states, with units."""
import numpy as np

__all__ = ["KovaWarning", "Table", "Result", "Component"]


class KovaWarning(UserWarning):
    """A message the kova library printed: the class and number of the message, the
    routine that printed it (e.g. ``KOVA_MUV005``), its printed text and the state (a
    dict of the broadcast arguments, empty for a single state) that produced it."""

    def __init__(self, text, cls=0, number=0, routine="", state=None):
        super().__init__(text)
        self.text = text
        self.cls = cls
        self.number = number
        self.routine = routine
        self.state = dict(state or {})

    def __reduce__(self):
        return (type(self), (self.text, self.cls, self.number, self.routine, self.state))


def _column_array(values):
    """A numpy array of one column's cells: float (missing cells NaN), int, or object."""
    if all(isinstance(v, int) and not isinstance(v, bool) for v in values):
        return np.asarray(values, dtype=np.int64)
    if all(v is None or isinstance(v, (int, float)) for v in values):
        return np.asarray([np.nan if v is None else v for v in values], dtype=float)
    return np.asarray(values, dtype=object)


class Table:
    """One result table over the states.

    ``table[column]`` is a numpy array of shape ``shape + (rows,)``, where ``shape`` is the
    broadcast shape of the state arguments and ``rows`` the table's rows at one state (one
    per component, per pair, ...); a table of one row per state drops the last axis.
    ``units[column]`` is the column's unit ('' for dimensionless values and texts).
    """

    def __init__(self, name, columns, per_state_rows, shape, leading=()):
        self.name = name
        self.columns = [c for c, _ in columns]
        self.units = {c: u for c, u in columns}
        self.shape = tuple(shape)
        self._rows = per_state_rows  # one list of rows per state, flattened state order
        self._leading = list(leading)  # (name, unit, flat values) of the broadcast arguments
        counts = {len(r) for r in per_state_rows}
        self.rows = counts.pop() if len(counts) == 1 else None
        self._cache = {}

    def __getitem__(self, column):
        if column not in self.units:
            raise KeyError(f"{column!r}: the table {self.name!r} has the columns {', '.join(self.columns)}")
        if column not in self._cache:
            k = self.columns.index(column)
            if self.rows is None:
                flat = np.empty(len(self._rows), dtype=object)
                for i, rows in enumerate(self._rows):
                    flat[i] = _column_array([r[k] for r in rows])
                self._cache[column] = flat.reshape(self.shape)[()]
            else:
                cells = [r[k] for rows in self._rows for r in rows]
                a = _column_array(cells).reshape(self.shape + (self.rows,))
                self._cache[column] = (a[..., 0] if self.rows == 1 else a)[()]
        return self._cache[column]

    def __contains__(self, column):
        return column in self.units

    def __iter__(self):
        return iter(self.columns)

    def keys(self):
        return list(self.columns)

    def __len__(self):
        return len(self.columns)

    def __repr__(self):
        cols = ", ".join(f"{c} [{self.units[c]}]" if self.units[c] else c for c in self.columns)
        return f"<kova.Table {self.name!r}: {cols}; shape {self.shape}, {self.rows} row(s) per state>"

    def to_pandas(self):
        """The table as a pandas DataFrame in long form: the broadcast arguments that vary
        (as leading columns named like the command line's, e.g. T, P), then the table's
        columns, one row per table row and state; the units are in ``df.attrs['units']``."""
        import pandas as pd

        names = [n for n, _, _ in self._leading] + self.columns
        records = []
        for i, rows in enumerate(self._rows):
            lead = [vals[i] for _, _, vals in self._leading]
            for r in rows:
                records.append(lead + list(r))
        df = pd.DataFrame.from_records(records, columns=names)
        df.attrs["units"] = {**{n: u for n, u, _ in self._leading}, **self.units}
        return df


class Result:
    """What a kova function computed over the states.

    Attributes: ``command``, ``title``, ``shape`` (the broadcast shape of the state
    arguments, ``()`` for one state), ``inputs`` (name -> value; an input that differs
    between states is an array of ``shape``), ``units`` (units of the inputs and of every
    table column), ``tables`` (name -> :class:`Table`), ``notes``, ``messages`` (the
    library's messages as :class:`KovaWarning` objects, which were also issued as warnings)
    and ``trace`` (per state, unit number -> trace lines). A table is also reachable as
    ``result[name]`` or as an attribute with blanks as underscores
    (``result.equivalent_state``).
    """

    def __init__(self, command, outcomes, shape, leading):
        self.command = command
        self.shape = tuple(shape)
        first = outcomes[0]
        self.title = first["title"]
        self.inputs, self.units = {}, {}
        for k, (name, value, unit) in enumerate(first["inputs"]):
            values = [o["inputs"][k][1] for o in outcomes]
            if all(v == value for v in values):
                self.inputs[name] = value
            else:
                self.inputs[name] = np.asarray(values).reshape(self.shape + np.shape(values[0]))
            if unit:
                self.units[name] = unit
        self.tables = {}
        for k, (name, columns, _) in enumerate(first["tables"]):
            self.tables[name] = Table(name, columns, [o["tables"][k][2] for o in outcomes], self.shape, leading)
            self.units.update({c: u for c, u in columns if u})
        self.notes = []
        for o in outcomes:
            self.notes += [n for n in o["notes"] if n not in self.notes]
        self.messages = []
        self.trace = [o["trace"] for o in outcomes]
        for i, o in enumerate(outcomes):
            state = {n: vals[i] for n, _, vals in leading}
            for cls, number, routine, text in o["messages"]:
                self.messages.append(KovaWarning(text, cls, number, routine, state))

    def __getitem__(self, name):
        return self.tables[name]

    def __getattr__(self, attr):
        tables = self.__dict__.get("tables", {})
        for name, table in tables.items():
            if name.replace(" ", "_") == attr:
                return table
        raise AttributeError(attr)

    def __dir__(self):
        return list(super().__dir__()) + [n.replace(" ", "_") for n in self.tables]

    def __repr__(self):
        return f"<kova.Result {self.command}: {self.title}; tables {', '.join(self.tables)}; shape {self.shape}>"

    def to_pandas(self):
        """Every table as a pandas DataFrame (Table.to_pandas), by table name."""
        return {name: t.to_pandas() for name, t in self.tables.items()}


class Component(dict):
    """A databank component: column -> value (None where the databank has none), with
    ``units`` (column -> unit) and ``name``, ``cas``, ``formula``."""

    def __init__(self, rows):
        super().__init__((c, v) for c, v, _ in rows)
        self.units = {c: u for c, _, u in rows if u}
        self.name, self.cas, self.formula = self["NAME"], self["CAS"], self["FORMULA"]

    def __repr__(self):
        lines = [f"<kova.Component {self.name}>"]
        for c, v in self.items():
            lines.append(f"  {c:12s} {v!s:>16s} {self.units.get(c, '')}".rstrip())
        return "\n".join(lines)
