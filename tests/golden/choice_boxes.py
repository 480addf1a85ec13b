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
        
        self.单选框选中变量 = tk.IntVar()
        self.单选框选中变量.set('单选框1')
        self.单选框1_标题 = tk.StringVar()
        self.单选框1_标题.set('单选框')
        self.单选框1 = tk.Radiobutton(self.启动窗口,textvariable=self.单选框1_标题,variable=self.单选框选中变量,value='单选框1', font=('微软雅黑', 9))
        self.单选框1.place(x=155,y=24,width=64,height=20)
        
        self.单选框3_标题 = tk.StringVar()
        self.单选框3_标题.set('禁用')
        self.单选框3 = tk.Radiobutton(self.启动窗口,textvariable=self.单选框3_标题,command=self.单选框3_被鼠标左键单击, state='disabled',variable=self.单选框选中变量,value='单选框3', font=('微软雅黑', 9))
        self.单选框3.place(x=-8,y=50,width=64,height=20)
        
        self.复选框1_是否选中 = tk.IntVar()
        self.复选框1_是否选中.set(0)
        self.复选框1_标题 = tk.StringVar()
        self.复选框1_标题.set('复选框')
        self.复选框1 = tk.Checkbutton(self.启动窗口,textvariable=self.复选框1_标题,variable=self.复选框1_是否选中,onvalue=1,offvalue=0, font=('微软雅黑', 9))
        self.复选框1.place(x=155,y=56,width=64,height=20)
        
        self.复选框2_是否选中 = tk.IntVar()
        self.复选框2_是否选中.set(1)
        self.复选框2_标题 = tk.StringVar()
        self.复选框2_标题.set('选中')
        self.复选框2 = tk.Checkbutton(self.启动窗口,textvariable=self.复选框2_标题,variable=self.复选框2_是否选中,onvalue=1,offvalue=0, font=('微软雅黑', 9))
        self.复选框2.place(x=-13,y=80,width=64,height=20)
        
        self.复选框3_是否选中 = tk.IntVar()
        self.复选框3_是否选中.set(0)
        self.复选框3_标题 = tk.StringVar()
        self.复选框3_标题.set('禁用')
        self.复选框3 = tk.Checkbutton(self.启动窗口,textvariable=self.复选框3_标题,command=self.复选框3_被鼠标左键单击, state='disabled',variable=self.复选框3_是否选中,onvalue=1,offvalue=0, font=('微软雅黑', 9))
        self.复选框3.place(x=87,y=80,width=64,height=20)
        
        
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

        
    
    def 单选框3_被鼠标左键单击(self):
        threading.Thread(target=self.单选框3_被鼠标左键单击_线程).start()
        
    def 单选框3_被鼠标左键单击_线程(self):
        time.sleep(0.25)
        if self.点击记录 == False:
            self.点击记录 = True
            time.sleep(0.2)
            self.点击记录 = False
            print('鼠标左键单击')
        else:
            self.点击记录 = False
        
    def 复选框3_被鼠标左键单击(self):
        threading.Thread(target=self.复选框3_被鼠标左键单击_线程).start()
        
    def 复选框3_被鼠标左键单击_线程(self):
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
    