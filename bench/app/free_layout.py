# A table's dump (orvanta-kbt dump) on stdin, the same keys laid out freely on stdout: every key
# keeps its own position, none a cell of the grid.
import json
import sys

table = json.load(sys.stdin)
table["layout"] = 0
for key in table["keys"]:
    key.pop("col", None)
    key.pop("row", None)
table.pop("nCol", None)
table.pop("nRow", None)
json.dump(table, sys.stdout)
