#!/usr/bin/env python3
"""Validates JSON files against a JSON Schema (draft 2020-12) with the jsonschema package.

usage: validate_json.py SCHEMA FILE...
Checks the schema itself first, then prints one line per file: "ok PATH" or "invalid PATH: MESSAGE".
Exit status 0 when the schema is sound, whatever the files; 2 when it is not.
"""
import json
import sys

import jsonschema


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        schema = json.load(f)
    try:
        jsonschema.Draft202012Validator.check_schema(schema)
    except jsonschema.exceptions.SchemaError as error:
        print(f"schema {sys.argv[1]}: {error.message}")
        return 2
    validator = jsonschema.Draft202012Validator(schema)
    for path in sys.argv[2:]:
        with open(path, encoding="utf-8") as f:
            document = json.load(f)
        error = jsonschema.exceptions.best_match(validator.iter_errors(document))
        if error is None:
            print(f"ok {path}")
        else:
            where = "/".join(str(part) for part in error.absolute_path)
            print(f"invalid {path}: {where}: {error.message}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
