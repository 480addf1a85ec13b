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
        size = '%dx%d+%d+%d' % (318, 182, (screenwidth - 318) / 2, (screenheight - 182) / 2)
        self.启动窗口.geometry(size)
        
        self.标签1_标题 = tk.StringVar()
        self.标签1_标题.set('标签')
        self.标签1 = tk.Label(self.启动窗口,textvariable=self.标签1_标题,anchor=tk.W, font=('微软雅黑', 9))
        self.标签1.place(x=24,y=16,width=72,height=20)
        
        self.按钮1_标题 = tk.StringVar()
        self.按钮1_标题.set('按钮')
        self.按钮1 = tk.Button(self.启动窗口,textvariable=self.按钮1_标题,command=self.按钮1_被鼠标左键单击, font=('微软雅黑', 9))
        self.按钮1.place(x=16,y=48,width=88,height=32)
        
        
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

        
    
    def 按钮1_被鼠标左键单击(self):
        threading.Thread(target=self.按钮1_被鼠标左键单击_线程).start()
        
    def 按钮1_被鼠标左键单击_线程(self):
        time.sleep(0.25)
        if self.点击记录 == False:
            self.点击记录 = True
            time.sleep(0.2)
            self.点击记录 = False
            print('鼠标左键单击')
        else:
            self.点击记录 = False
        
if __name__ == '__main__':
    root = tk.Tk()
    app = Quillform(root)
    root.mainloop()
    