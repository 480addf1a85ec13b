"""Runs generated programs in a real Tk and checks every widget against its design.

Usage: run_generated.py QUILLFORM_GEN [--random N] DESIGN.json...

For each design the generator's program is compiled, its Quillform class is
built on a fresh Tk root and updated once (no mainloop), and then each
visible component is found as an attribute and checked: widget class,
place() geometry, the text read back, the state, the bound event sequences
and the handler methods. The expectations are computed here from the design
alone, independently of the generator.
"""
import contextlib
import io
import json
import os
import random
import subprocess
import sys
import tkinter as tk

TEMPLATES = {  # caption, width, height
    "标签": ("标签", 72, 20),
    "编辑框": ("*", 120, 20),
    "按钮": ("按钮", 88, 32),
    "单选框": ("单选框", 64, 20),
    "复选框": ("复选框", 64, 20),
}
RECORD_DEFAULTS = {
    "标签": {"alignment": "左对齐"},
    "编辑框": {"alignment": "左对齐", "inputMode": "正常输入", "multiline": "假", "scrollBars": "无", "disabled": "假"},
    "按钮": {"disabled": "假"},
    "单选框": {"disabled": "假", "checked": "假"},
    "复选框": {"disabled": "假", "checked": "假"},
}
EVENTS = [  # handler suffix, Tk sequence
    ("被鼠标左键单击", None), ("被鼠标左键按下", "<Button-1>"), ("被鼠标左键放开", "<ButtonRelease-1>"),
    ("被鼠标左键双击", "<Double-Button-1>"), ("被鼠标右键按下", "<Button-3>"), ("被鼠标右键放开", "<ButtonRelease-3>"),
    ("被鼠标右键双击", "<Double-Button-3>"), ("按下某键", "<Key>"), ("放开某键", "<KeyRelease>"),
    ("获得焦点", "<FocusIn>"), ("失去焦点", "<FocusOut>"), ("尺寸被改变", "<Configure>"),
    ("鼠标进入组件", "<Enter>"), ("鼠标离开组件", "<Leave>"), ("鼠标在组件上移动", "<Motion>"),
    ("鼠标滚轮被滚动", "<MouseWheel>"),
]
# Handlers that print at once, with what they print for the fake event below.
IMMEDIATE_OUTPUT = {
    1: "被鼠标左键按下", 2: "被鼠标左键放开", 5: "被鼠标右键放开", 7: "按下的按键名：a|38",
    8: "放开的按键名：a|38", 9: "组件获得了焦点", 10: "组件失去了焦点", 11: "组件尺寸被改变|新宽度：5|新高度：6",
    12: "鼠标进入组件", 13: "鼠标离开组件", 14: "鼠标在组件上移动|3,4", 15: "滚轮向前滚了|120",
}


class FakeEvent:
    keysym, keycode, width, height, x, y, delta = "a", 38, 5, 6, 3, 4, 120


class Failures:
    def __init__(self, design_name):
        self.design_name = design_name
        self.messages = []

    def expect(self, condition, what):
        if not condition:
            self.messages.append(f"{self.design_name}: {what}")

    def equal(self, actual, expected, what):
        self.expect(actual == expected, f"{what}: got {actual!r}, expected {expected!r}")


def ticked(flags):
    return [row for row, flag in enumerate(flags) if flag == 1]


def python_text(text):
    """What the generated literal reads back as: a CR LF pair becomes LF."""
    return text.replace("\r\n", "\n")


def check_place(f, widget, expected, what):
    info = widget.place_info()
    actual = tuple(int(info[key]) for key in ("x", "y", "width", "height"))
    f.equal(actual, expected, f"{what} place")


def check_handlers(f, app, name, flags):
    for row in ticked(flags):
        suffix = EVENTS[row][0]
        method = getattr(app, f"{name}_{suffix}", None)
        f.expect(callable(method), f"{name}: no handler {name}_{suffix}")
        if row in (0, 3, 4, 6):
            f.expect(callable(getattr(app, f"{name}_{suffix}_线程", None)), f"{name}: no thread method for row {row}")
        if row in IMMEDIATE_OUTPUT and callable(method):
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                method(FakeEvent())
            f.equal(out.getvalue(), IMMEDIATE_OUTPUT[row] + "\n", f"{name}_{suffix} output")
        if row in (3, 6):
            thread_method = getattr(app, f"{name}_{suffix}_线程")
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                thread_method()
            f.equal(out.getvalue(), suffix + "\n", f"{name}_{suffix}_线程 output")


def check_bindings(f, widget, flags, name, click_bound):
    expected = {EVENTS[row][1] for row in ticked(flags) if row != 0}
    if click_bound and 0 in ticked(flags):
        expected.add("<ButtonRelease-1>")
    f.equal(set(widget.bind()), expected, f"{name} bound sequences")


def check_font(f, widget, component, name):
    family, size = widget.tk.splitlist(widget.cget("font"))
    f.equal((family, int(size)), (component.get("fontName", "微软雅黑"), component.get("fontSize", 9)), f"{name} font")


def check_component(f, root, app, component, number, ordinal, radio_var):
    kind = component["kind"]
    record = dict(RECORD_DEFAULTS[kind])
    record.update({k: v for k, v in component.items() if k in RECORD_DEFAULTS[kind] or k in ("alignment", "checked")})
    name = component.get("name", f"{kind}{ordinal}")
    caption = python_text(component.get("caption", TEMPLATES[kind][0]))
    x, y = component.get("left", 0), component.get("top", 0)
    w = component.get("width", TEMPLATES[kind][1])
    h = component.get("height", TEMPLATES[kind][2])
    flags = component.get("events", [0] * 16)
    disabled = component.get("disabled") == "真"
    widget = getattr(app, name, None)
    if not component.get("visible", True):
        f.expect(widget is None, f"{name}: a deleted component was generated")
        return
    if widget is None:
        f.expect(False, f"{name}: missing from the program")
        return

    if kind == "标签":
        f.equal(widget.winfo_class(), "Label", f"{name} class")
        f.equal(getattr(app, f"{name}_标题").get(), caption, f"{name} caption")
        anchor = {"居中": "center", "右对齐": "e"}.get(component.get("alignment"), "w")
        f.equal(str(widget.cget("anchor")), anchor, f"{name} anchor")
        check_place(f, widget, (x, y, w, h), name)
        check_bindings(f, widget, flags, name, click_bound=True)
    elif kind == "编辑框":
        bars = component.get("scrollBars", "无")
        multiline = component.get("multiline") == "真" or bars in ("纵", "横", "纵横")
        read_only = component.get("inputMode") == "只读方式"
        if multiline:
            f.equal(widget.winfo_class(), "Text", f"{name} class")
            f.equal(widget.get("1.0", "end-1c"), caption, f"{name} content")
            f.equal(str(widget.cget("state")), "disabled" if disabled or read_only else "normal", f"{name} state")
            horizontal, vertical = bars in ("横", "纵横"), bars in ("纵", "纵横")
            check_place(f, widget, (x, y, w - 18 if vertical else w, h - 18 if horizontal else h), name)
            for present, suffix, expected in ((horizontal, "横", (x, y + h - 18, w, 18)),
                                               (vertical, "纵", (x + w - 18, y, 18, h))):
                bar = getattr(app, f"{name}_滚动条_{suffix}", None)
                f.expect((bar is not None) == present, f"{name}: scroll bar {suffix} presence")
                if bar is not None:
                    f.equal(bar.winfo_class(), "Scrollbar", f"{name}_滚动条_{suffix} class")
                    check_place(f, bar, expected, f"{name}_滚动条_{suffix}")
        else:
            f.equal(widget.winfo_class(), "Entry", f"{name} class")
            f.equal(getattr(app, f"{name}_内容").get(), caption, f"{name} content")
            f.equal(widget.get(), caption, f"{name} shown content")
            state = "disabled" if disabled else "readonly" if read_only else "normal"
            f.equal(str(widget.cget("state")), state, f"{name} state")
            f.equal(widget.cget("show"), "*" if component.get("inputMode") == "密码输入" else "", f"{name} show")
            justify = {"居中": "center", "右对齐": "right"}.get(component.get("alignment"), "left")
            f.equal(str(widget.cget("justify")), justify, f"{name} justify")
            check_place(f, widget, (x, y, w, h), name)
        check_bindings(f, widget, flags, name, click_bound=True)
    else:
        tk_class = {"按钮": "Button", "单选框": "Radiobutton", "复选框": "Checkbutton"}[kind]
        f.equal(widget.winfo_class(), tk_class, f"{name} class")
        f.equal(getattr(app, f"{name}_标题").get(), caption, f"{name} caption")
        # The pointer may rest on the button, which Tk then draws active.
        state = str(widget.cget("state")).replace("active", "normal")
        f.equal(state, "disabled" if disabled else "normal", f"{name} state")
        f.equal(bool(widget.cget("command")), 0 in ticked(flags), f"{name} command option")
        shift = 0 if kind == "按钮" else 13
        check_place(f, widget, (x - shift, y, w, h), name)
        check_bindings(f, widget, flags, name, click_bound=False)
        checked = component.get("checked") == "真"
        if kind == "复选框":
            f.equal(getattr(app, f"{name}_是否选中").get(), 1 if checked else 0, f"{name} tick")
        if kind == "单选框":
            f.equal(widget.cget("value"), name, f"{name} value")
            if checked:
                f.equal(root.globalgetvar(str(radio_var)), name, f"{name} selected")
    check_font(f, widget, component, name)
    check_handlers(f, app, name, flags)


# No NUL: Tcl cuts strings at it, whatever Python held.
TEXT_ALPHABET = ["a", "Z", "0", " ", "'", '"', "\\", "\r\n", "\n", "\r", "\t", "\x01", "\x1f", "\x7f",
                 "#", "%", "{", "}", "[", "$", "标", "签", "é", "\u2028", "\U0001F600"]


def random_text(rng):
    return "".join(rng.choice(TEXT_ALPHABET) for _ in range(rng.randint(0, 12)))


def random_design(rng):
    """A design with every kind of awkward text, geometry and tick the format allows."""
    def flags():
        return [rng.choice([0, 0, 0, 1, 1, 2, -1]) for _ in range(16)]

    window = {"caption": random_text(rng), "outerWidth": rng.randint(120, 900), "outerHeight": rng.randint(60, 700),
              "resizable": rng.choice(["真", "假", "x"]), "events": flags()}
    components = []
    for index in range(rng.randint(0, 14)):
        component = {"kind": rng.choice(list(TEMPLATES)), "caption": random_text(rng), "events": flags(),
                     "left": rng.randint(-20, 400), "top": rng.randint(-20, 300), "visible": rng.random() > 0.15,
                     "width": rng.randint(1, 200), "height": rng.randint(1, 120),
                     "fontName": rng.choice(["微软雅黑", "Noto Sans CJK SC", "O'Brien \\ Sans"]),
                     "fontSize": rng.randint(6, 20), "alignment": rng.choice(["左对齐", "居中", "右对齐", "?"]),
                     "inputMode": rng.choice(["正常输入", "密码输入", "只读方式"]),
                     "multiline": rng.choice(["真", "假"]), "scrollBars": rng.choice(["无", "纵", "横", "纵横", "斜"]),
                     "disabled": rng.choice(["真", "假"]), "checked": rng.choice(["真", "假"])}
        if rng.random() < 0.3:
            component["name"] = f"自定_{index}"
        components.append(component)
    # At most one radio button selected: the sheet keeps a single one checked.
    radios = [c for c in components if c["kind"] == "单选框"]
    for radio in radios[1:]:
        radio["checked"] = "假"
    return {"window": window, "components": components}


def check_design(generator, path, design=None):
    if design is None:
        with open(path, encoding="utf-8") as file:
            design = json.load(file)
    f = Failures(path)
    program = subprocess.run([generator], input=json.dumps(design).encode(), capture_output=True, check=True).stdout
    namespace = {"__name__": "quillform_generated"}
    exec(compile(program.decode("utf-8"), path, "exec"), namespace)

    window = design.get("window", {})
    root = tk.Tk()
    try:
        # Handlers of real events (Configure, Enter, FocusIn) print while the window comes up.
        with contextlib.redirect_stdout(io.StringIO()):
            app = namespace["Quillform"](root)
            root.update()
        cw, ch = window.get("outerWidth", 347) - 7, window.get("outerHeight", 250) - 30
        f.equal(root.title(), python_text(window.get("caption", "Quillform_DesignWindow")), "window title")
        f.equal((root.winfo_width(), root.winfo_height()), (cw, ch), "window size")
        resizable = window.get("resizable") == "真"
        f.equal(root.resizable(), (resizable, resizable), "window resizable")
        window_name = window.get("name", "启动窗口")
        f.expect(getattr(app, window_name, None) is root, "window attribute")
        window_flags = list(window.get("events", [0] * 16))
        window_flags[0] = 0
        check_bindings(f, root, window_flags, window_name, click_bound=False)
        check_handlers(f, app, window_name, window_flags)
        f.expect(callable(getattr(app, "信息框", None)), "message-box method")

        ordinals = {}
        radio_var = getattr(app, "单选框选中变量", None)
        has_radio = any(c["kind"] == "单选框" and c.get("visible", True) for c in design.get("components", []))
        f.expect((radio_var is not None) == has_radio, "radio group variable presence")
        for number, component in enumerate(design.get("components", []), start=1):
            ordinals[component["kind"]] = ordinals.get(component["kind"], 0) + 1
            check_component(f, root, app, component, number, ordinals[component["kind"]], radio_var)
    finally:
        root.destroy()
    return f.messages


def main():
    generator, designs = sys.argv[1], sys.argv[2:]
    random_count = 0
    if designs[:1] == ["--random"]:
        random_count, designs = int(designs[1]), designs[2:]
    failures = []
    for path in designs:
        messages = check_design(generator, path)
        print(f"{'ok  ' if not messages else 'FAIL'} {path}")
        failures += messages
    seed = int(os.environ.get("QUILLFORM_SEED", "20261211"))
    rng = random.Random(seed)
    for index in range(random_count):
        design = random_design(rng)
        name = f"random design {index} (seed {seed})"
        messages = check_design(generator, name, design)
        if messages:
            print(f"FAIL {name}: {json.dumps(design, ensure_ascii=True)}")
        failures += messages
    designs += [f"random design {index}" for index in range(random_count)]
    for message in failures:
        print(message)
    print(f"{len(designs) - len({m.split(':')[0] for m in failures})} passed, "
          f"{len({m.split(':')[0] for m in failures})} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
