import tkinter as tk
import time
import threading
from tkinter import messagebox

class Quillform:
    def __init__(self, 启动窗口):
        self.点击记录 = False
        self.启动窗口 = 启动窗口
        self.启动窗口.title('Quillform_DesignWindow')
        self.启动窗口.resizable(width=False, height=False)
        screenwidth = self.启动窗口.winfo_screenwidth()
        screenheight = self.启动窗口.winfo_screenheight()
        size = '%dx%d+%d+%d' % (340, 220, (screenwidth - 340) / 2, (screenheight - 220) / 2)
        self.启动窗口.geometry(size)
        
        
    def 信息框(self,标题='提示',提示内容='你好Lumbra',类型=0):
        '0普通信息框,1带确认取消信息框,2黄色警告,3红色错误,4黄色警告重试'
        if 类型 == 0:
            return messagebox.showinfo(标题,提示内容)
        elif 类型 == 1:
            return messagebox.askokcancel(标题, 提示内容)#确定返回True 取消返回False
        elif 类型 == 2:
            return messagebox.showwarning(标题, 提示内容)
        elif 类型 == 3:
            return messagebox.showerror(标题, 提示内容)
        elif 类型 == 4:
            return messagebox.askretrycancel(标题, 提示内容)#重试返回True 取消返回False

        
    
if __name__ == '__main__':
    root = tk.Tk()
    app = Quillform(root)
    root.mainloop()
    